#pragma once

#include <SDL.h>

class cObjectList;
class cCamera;
class cVideo;
class cInput;
class cAudio;
class cProcessList;
class cTextureManager;
class cLevel;

/// Starts the game, runs the event loop until the player quits, and ends the process.
class cApplication final {
public:
    /// Runs the whole game; returns once the main loop has ended.
    cApplication();
    /// Ends the process with status 0; the singletons are cleaned up at exit.
    [[noreturn]] ~cApplication();

    cApplication(const cApplication&) = delete;
    cApplication& operator=(const cApplication&) = delete;

    /// One game tick: clear, run every process, advance the buttons, project, swap.
    static void tick();
    /// What the timer does every 17 ms: ask the event loop for a tick.
    static Uint32 tickTimer(Uint32 interval, void* param);
    /// The tick the timer asked for: it no longer counts as waiting.
    static void runQueuedTick();

private:
    void init();
    void mainLoop();
    void handle(const SDL_Event& event);

    // Filled in this order to create the managers in this order; not read after.
    [[maybe_unused]] cObjectList* objectList;
    [[maybe_unused]] cCamera* camera;
    cVideo* video;
    cInput* input;
    [[maybe_unused]] cAudio* audio;
    cProcessList* processList;
    [[maybe_unused]] cTextureManager* textureManager;
    bool quit;
    cLevel* level = nullptr;
};
