#include "SwapRate.h"

#include "Clock.h"
#include "GameWindow.h"
#include "Report.h"
#include "Samples.h"
#include "Table.h"

#include "app/Application.h"
#include "app/ProcessList.h"
#include "app/Video.h"
#include "levels/Level1.h"

#include <SDL.h>
#include <SDL_opengl.h>
#include <SDL_mixer.h>

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

// The game's timer and window settings (Application.cpp, Video.cpp).
constexpr Uint32 TICK_INTERVAL_MS = 17;
constexpr int MAX_PENDING_TICKS = 2;
constexpr Uint32 WINDOW_FLAGS = SDL_HWSURFACE | SDL_OPENGL | SDL_ASYNCBLIT | SDL_RESIZABLE | SDL_HWPALETTE;
// Long enough for the renderer to build its shaders and the level to read the
// pictures it reads in its first ticks.
constexpr int64_t WARM_UP_NS = 1000000000;
constexpr int WARM_UP_TICKS = 60;
constexpr int64_t MEASURED_NS = 4000000000;
constexpr int PICTURE_TEXELS = 1024;
constexpr double TARGET_SHARE = 0.95;
// Each size is counted this many times for each program, the two taking turns
// and the order swapped every round: a burst of other work on a busy machine
// then spoils one count, not the comparison.
constexpr int ROUNDS = 3;

struct Size {
    int width, height;
};
const Size SIZES[] = {{640, 480}, {1280, 720}, {1920, 1080}};

std::atomic<int> pendingTicks{0};

// As the game's timer: a tick event, unless two are still waiting.
Uint32 pushTick(Uint32 interval, void*)
{
    if (pendingTicks.load() < MAX_PENDING_TICKS) {
        SDL_Event event{};
        event.type = SDL_USEREVENT;
        if (SDL_PushEvent(&event) == 0) {
            ++pendingTicks;
        }
    }
    return interval;
}

struct Rate {
    int64_t perMegasecond = 0;
    int64_t cpuNsPerTick = 0;
};

// Runs the tick on every timer event; after the warm-up, how many a second
// (in millionths) and the processor time of all threads per tick.
Rate measureTicks(const std::function<void()>& tick)
{
    SDL_AddTimer(TICK_INTERVAL_MS, pushTick, nullptr);
    const int64_t measureFrom = nowNs() + WARM_UP_NS;
    int64_t first = 0, last = 0, counted = 0, cpuFirst = 0;
    int warmUpTicks = 0;
    SDL_Event event;
    while (SDL_WaitEvent(&event)) {
        if (event.type != SDL_USEREVENT) {
            continue;
        }
        --pendingTicks;
        tick();
        const int64_t now = nowNs();
        if (now < measureFrom || ++warmUpTicks < WARM_UP_TICKS) {
            continue;
        }
        if (first == 0) {
            first = now;
            cpuFirst = processCpuNs();
        } else {
            ++counted;
        }
        last = now;
        if (last - first >= MEASURED_NS) {
            break;
        }
    }
    Rate rate;
    if (counted == 0) {
        return rate;
    }
    rate.perMegasecond = counted * 1000000000LL * 1000000 / (last - first);
    rate.cpuNsPerTick = (processCpuNs() - cpuFirst) / counted;
    return rate;
}

void paintBarePicture(GLuint picture, int width, int height)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glViewport(0, 0, width, height);
    glOrtho(0.0, 1.0, 0.0, 1.0, -1.0, 1.0);
    glBindTexture(GL_TEXTURE_2D, picture);
    glEnable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(0.0f, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(1.0f, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(1.0f, 1.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(0.0f, 1.0f);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    SDL_GL_SwapBuffers();
}

// A half-transparent picture with some detail, as big as the game's scenery.
GLuint makeBarePicture()
{
    std::vector<Uint8> texels(static_cast<std::size_t>(PICTURE_TEXELS * PICTURE_TEXELS * 4));
    for (std::size_t i = 0; i < texels.size(); i += 4) {
        const auto at = static_cast<Uint8>(i / 4);
        texels[i] = at;
        texels[i + 1] = static_cast<Uint8>(255 - at);
        texels[i + 2] = static_cast<Uint8>(i / (PICTURE_TEXELS * 4));
        texels[i + 3] = 128;
    }
    GLuint picture = 0;
    glGenTextures(1, &picture);
    glBindTexture(GL_TEXTURE_2D, picture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, PICTURE_TEXELS, PICTURE_TEXELS, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 texels.data());
    return picture;
}

Rate bareRate(int width, int height, bool paint, bool withAudio)
{
    if (withAudio) {
        // The game's audio settings (Audio.cpp); the device's thread alone costs
        // the painting time on a busy machine.
        SDL_Init(SDL_INIT_AUDIO);
        Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024);
    }
    SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (!SDL_SetVideoMode(width, height, 32, WINDOW_FLAGS)) {
        return {};
    }
    glClearColor(0.84f, 0.89f, 0.98f, 1.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const GLuint picture = makeBarePicture();
    if (!paint) {
        return measureTicks([] {});
    }
    return measureTicks([=] { paintBarePicture(picture, width, height); });
}

// The game as the application starts it, then a window resize as the window
// system would send it.
Rate gameRate(int width, int height)
{
    cVideo& video = openGameWindow();
    new Level1;
    if (width != video.width() || height != video.height()) {
        video.resize(width, height);
    }
    return measureTicks(cApplication::tick);
}

cReport spawnSwapCount(const char* mode, Size size)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return {};
    }
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        const std::string width = std::to_string(size.width), height = std::to_string(size.height);
        const std::string fd = std::to_string(pipeFds[1]);
        execl("/proc/self/exe", "quib_bench", "--swaps", mode, width.c_str(), height.c_str(), fd.c_str(),
              static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    close(pipeFds[1]);
    std::string line;
    char buffer[256];
    for (ssize_t got; (got = read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
        line.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipeFds[0]);
    waitpid(child, nullptr, 0);
    return cReport::fromLine(line);
}

double perSecond(int64_t perMegasecond) { return static_cast<double>(perMegasecond) / 1e6; }

struct Counts {
    cSamples rates, cpuNs;

    void add(const cReport& report)
    {
        rates.add(report.get("rate"));
        cpuNs.add(report.get("cpuNs"));
    }
};

} // namespace

int runSwapCount(const char* mode, int width, int height, int reportFd)
{
    const bool game = std::strcmp(mode, "game") == 0;
    const bool timerOnly = std::strcmp(mode, "timer") == 0;
    const Rate rate = game ? gameRate(width, height)
                           : bareRate(width, height, !timerOnly, std::strcmp(mode, "bare+audio") == 0);
    cReport report;
    report.set("rate", rate.perMegasecond);
    report.set("cpuNs", rate.cpuNsPerTick);
    const std::string text = report.toLine();
    const bool sent = write(reportFd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    std::fflush(nullptr);
    // The game never frees its level; neither does the bench.
    std::_Exit(sent && rate.perMegasecond > 0 ? 0 : 1);
}

void reportSwapRates(cTable& table)
{
    const double timer = perSecond(spawnSwapCount("timer", SIZES[0]).get("rate"));
    table.section("Swaps per second, 17 ms timer (alone: " + cTable::tenths(timer) + "), medians of " +
                      std::to_string(ROUNDS) + " turns",
                  "game", "bare");
    for (const Size& size : SIZES) {
        Counts bare, game;
        for (int round = 0; round < ROUNDS; ++round) {
            const bool bareFirst = round % 2 == 0;
            (bareFirst ? bare : game).add(spawnSwapCount(bareFirst ? "bare" : "game", size));
            (bareFirst ? game : bare).add(spawnSwapCount(bareFirst ? "game" : "bare", size));
        }
        const double gameRate = perSecond(game.rates.median()), bareRate = perSecond(bare.rates.median());
        const double share = bareRate > 0.0 ? gameRate / bareRate : 0.0;
        table.row(std::to_string(size.width) + " x " + std::to_string(size.height), cTable::tenths(gameRate),
                  cTable::tenths(bareRate),
                  cTable::percent(share) + " of bare, " + cTable::verdict(share >= TARGET_SHARE, "at least 95 %") +
                      "; processor ms a swap " + cTable::ms(game.cpuNs.median()) + " and " +
                      cTable::ms(bare.cpuNs.median()));
    }
    Counts withAudio;
    for (int round = 0; round < ROUNDS; ++round) {
        withAudio.add(spawnSwapCount("bare+audio", SIZES[1]));
    }
    table.row("  bare at 1280 x 720 with an audio device open", "", cTable::tenths(perSecond(withAudio.rates.median())),
              "as the game has; processor ms a swap " + cTable::ms(withAudio.cpuNs.median()));
}
