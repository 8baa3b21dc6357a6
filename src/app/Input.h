#pragma once

/// Keys and mouse buttons as one state byte each, and the mouse in world units.
/// The event loop writes it; the level and the drag box read it during a tick.
class cInput final {
public:
    static constexpr char UP = 'u';
    static constexpr char DOWN = 'd';
    static constexpr char HELD = 'h';
    /// A button that went down and up again within one tick.
    static constexpr char CLICKED = 'z';
    static constexpr int KEY_COUNT = 323;
    static constexpr int BUTTON_COUNT = 255;

    void setKey(int symbol, int code);
    void setButton(int button, int code);
    void setMousePixel(int px, int py);
    void moveMouse(float dx, float dy);
    void endTick();

    bool keyHeld(int key) const;
    bool keyPressed(int key);
    bool buttonHeld(int button);
    bool buttonPressed(int button) const;
    bool buttonReleased(int button) const;
    /// A click: a press of the left, right or middle button in this tick.
    bool clicked() const;
    float mouseX() const { return worldX; }
    float mouseY() const { return worldY; }

private:
    char keys[KEY_COUNT] = {};
    char buttons[BUTTON_COUNT] = {};
    float worldX = 0.0f;
    float worldY = 0.0f;
};
