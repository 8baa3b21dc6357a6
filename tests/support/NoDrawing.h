#pragma once

/// While it lives, the window has no current OpenGL context and every drawing
/// call does nothing: play that needs only the physics and the rules ticks many
/// times faster, and the same. Every picture of the game's data is loaded
/// first, while it still can be: pictures made later share those instead of
/// uploading their own.
class NoDrawing final {
public:
    NoDrawing();
    ~NoDrawing();
    NoDrawing(const NoDrawing&) = delete;
    NoDrawing& operator=(const NoDrawing&) = delete;

private:
    // Xlib's and GLX's types, kept out of the tests that include this.
    void* display = nullptr;
    unsigned long drawable = 0;
    void* context = nullptr;
};
