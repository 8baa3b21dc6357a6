#include "Startup.h"

#include "Clock.h"
#include "LoaderTimes.h"
#include "PeakMemory.h"

#include "app/Application.h"
#include "app/Camera.h"
#include "app/HugePages.h"
#include "app/Input.h"
#include "app/ProcessList.h"
#include "app/Singleton.h"
#include "app/Video.h"
#include "audio/Audio.h"
#include "graphics/TextureManager.h"
#include "levels/Level1.h"
#include "objects/ObjectList.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_opengl.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The game's window and audio settings (Video.cpp, Audio.cpp).
constexpr Uint32 WINDOW_FLAGS = SDL_HWSURFACE | SDL_OPENGL | SDL_ASYNCBLIT | SDL_RESIZABLE | SDL_HWPALETTE;
constexpr Uint32 TICK_INTERVAL_MS = 17;

void send(int fd, const cReport& report)
{
    const std::string line = report.toLine();
    if (write(fd, line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
        std::_Exit(2);
    }
}

} // namespace

int runBareWindow(int reportFd)
{
    cReport report;
    report.set("main", nowNs());
    SDL_Init(SDL_INIT_AUDIO);
    Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024);
    SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (!SDL_SetVideoMode(640, 480, 32, WINDOW_FLAGS)) {
        return 1;
    }
    SDL_WM_SetCaption("QUIB", nullptr);
    glClearColor(0.84f, 0.89f, 0.98f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SDL_GL_SwapBuffers();
    report.set("ready", nowNs());
    report.set("peakKb", peakResidentKb());
    send(reportFd, report);
    Mix_CloseAudio();
    SDL_Quit();
    return 0;
}

int runGameStartup(int reportFd)
{
    cReport report;
    report.set("main", nowNs());
    // The managers in the application's order; the audio device opens with its manager.
    Singleton<cObjectList>::instance();
    Singleton<cCamera>::instance();
    cVideo& video = Singleton<cVideo>::instance();
    Singleton<cInput>::instance();
    Singleton<cAudio>::instance();
    report.set("audio", nowNs());
    Singleton<cProcessList>::instance();
    Singleton<cTextureManager>::instance();
    video.open(640, 480, 32, "QUIB");
    report.set("window", nowNs());
    const LoaderTimes before = LoaderTimes::sinceStart();
    new Level1;
    settleHeapOnHugePages();
    const LoaderTimes loaders = LoaderTimes::sinceStart() - before;
    report.set("level", nowNs());
    SDL_AddTimer(TICK_INTERVAL_MS, cApplication::tickTimer, nullptr);
    const LoaderTimes beforeTick = LoaderTimes::sinceStart();
    cApplication::tick();
    report.set("ready", nowNs());
    report.set("tickTextures", (LoaderTimes::sinceStart() - beforeTick).texturesNs);
    report.set("textures", loaders.texturesNs);
    report.set("sounds", loaders.soundsNs);
    report.set("music", loaders.musicNs);
    report.set("drawings", loaders.drawingsNs);
    report.set("peakKb", peakResidentKb());
    send(reportFd, report);
    // The game keeps everything to the end; tearing it down is not start-up.
    std::fflush(nullptr);
    std::_Exit(0);
}

cReport spawnStartup(const char* mode)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return {};
    }
    const int64_t spawned = nowNs();
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        // The game's own lines would break up the table.
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        const std::string fd = std::to_string(pipeFds[1]);
        execl("/proc/self/exe", "quib_bench", "--startup", mode, fd.c_str(), static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    close(pipeFds[1]);
    std::string line;
    char buffer[512];
    for (ssize_t got; (got = read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
        line.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    cReport report = cReport::fromLine(line);
    report.set("spawned", spawned);
    report.set("ok", !line.empty() && WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return report;
}
