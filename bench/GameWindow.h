#pragma once

class cVideo;

/// The managers in the application's order (the audio device opens with its
/// manager) and the game's 640 x 480 window, as the game starts them.
cVideo& openGameWindow();
