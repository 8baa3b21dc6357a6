#include "levels/FreshLevels.h"

#include "app/Singleton.h"
#include "app/Video.h"
#include "levels/Level1.h"
#include "support/NoDrawing.h"

#include <SDL.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <deque>
#include <map>

namespace {

constexpr int AT_ONCE = 2;
// A loaded X server now and then refuses a window; the game then ends with
// status 1 before it plays, and the play is started again, this often at most.
constexpr int MOST_STARTS = 3;
constexpr int NO_WINDOW = 1;
constexpr int WORD_LOST = 2;
// A child's word must fit the pipe, or it would wait for a reader that waits for it.
constexpr size_t LONGEST_WORD = 4096;

struct Child {
    size_t play;
    int pipe;
};

[[noreturn]] void runChild(const std::function<std::string()>& play, int out)
{
    // What the game says on standard output (a full mixer, held still while it
    // plays, says so at every sound) is no part of a play's word.
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDOUT_FILENO);
    std::string word = "no level";
    if (chdir(QUIB_SOURCE_DIR "/data") == 0 && Singleton<cVideo>::instance().open(640, 480, 32, "QUIB")) {
        new Level1;
        new NoDrawing;
        SDL_LockAudio();
        word = play().substr(0, LONGEST_WORD);
    }
    const ssize_t written = write(out, word.data(), word.size());
    _exit(written == static_cast<ssize_t>(word.size()) ? 0 : WORD_LOST);
}

std::string readAll(int in)
{
    std::string text;
    char buffer[512];
    for (ssize_t got; (got = read(in, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<size_t>(got));
    }
    close(in);
    return text;
}

std::string ending(int status, const std::string& word)
{
    if (WIFSIGNALED(status)) {
        return "killed by signal " + std::to_string(WTERMSIG(status));
    }
    if (WEXITSTATUS(status) != 0) {
        return "ended with status " + std::to_string(WEXITSTATUS(status));
    }
    return word;
}

} // namespace

std::vector<std::string> playOnFreshLevels(const std::vector<std::function<std::string()>>& plays)
{
    std::vector<std::string> words(plays.size(), "not started");
    std::vector<int> starts(plays.size(), 0);
    std::deque<size_t> waiting;
    for (size_t play = 0; play < plays.size(); ++play) {
        waiting.push_back(play);
    }
    std::map<pid_t, Child> running;
    while (!waiting.empty() || !running.empty()) {
        if (!waiting.empty() && running.size() < AT_ONCE) {
            const size_t play = waiting.front();
            int ends[2];
            if (pipe(ends) != 0) {
                break;
            }
            const pid_t pid = fork();
            if (pid < 0) {
                close(ends[0]);
                close(ends[1]);
                break;
            }
            if (pid == 0) {
                close(ends[0]);
                runChild(plays[play], ends[1]);
            }
            close(ends[1]);
            waiting.pop_front();
            ++starts[play];
            running[pid] = {play, ends[0]};
            continue;
        }
        int status = 0;
        const pid_t pid = wait(&status);
        const auto found = running.find(pid);
        if (found == running.end()) {
            break;
        }
        const size_t play = found->second.play;
        words[play] = ending(status, readAll(found->second.pipe));
        running.erase(found);
        if (WIFEXITED(status) && WEXITSTATUS(status) == NO_WINDOW && starts[play] < MOST_STARTS) {
            waiting.push_back(play);
        }
    }
    return words;
}
