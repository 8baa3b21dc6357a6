#include "app/Input.h"

#include "app/Camera.h"
#include "app/Singleton.h"
#include "app/Video.h"

namespace {

// SDL can deliver numbers outside the arrays (mouse buttons up to 255): ignore them.
bool inRange(int index, int count) { return index >= 0 && index < count; }

char stateOf(const char* states, int index, int count)
{
    return inRange(index, count) ? states[index] : 0;
}

} // namespace

void cInput::setKey(int symbol, int code)
{
    if (inRange(symbol, KEY_COUNT)) {
        keys[symbol] = static_cast<char>(code);
    }
}

void cInput::setButton(int button, int code)
{
    if (!inRange(button, BUTTON_COUNT)) {
        return;
    }
    char& state = buttons[button];
    state = (code == UP && state == DOWN) ? CLICKED : static_cast<char>(code);
}

void cInput::setMousePixel(int px, int py)
{
    const cVideo& video = Singleton<cVideo>::instance();
    const cCamera& camera = Singleton<cCamera>::instance();
    worldX = static_cast<float>(px) - static_cast<float>(video.width()) * 0.5f;
    worldY = static_cast<float>(video.height()) * 0.5f - static_cast<float>(py);
    worldX /= camera.zoom();
    worldY /= camera.zoom();
    worldX += camera.x();
    worldY += camera.y();
}

void cInput::moveMouse(float dx, float dy)
{
    worldX += dx;
    worldY += dy;
}

void cInput::endTick()
{
    for (char& state : buttons) {
        if (state == DOWN) {
            state = HELD;
        } else if (state == CLICKED) {
            state = UP;
        }
    }
}

bool cInput::keyHeld(int key) const { return stateOf(keys, key, KEY_COUNT) == HELD; }

bool cInput::keyPressed(int key)
{
    if (stateOf(keys, key, KEY_COUNT) != DOWN) {
        return false;
    }
    keys[key] = HELD;
    return true;
}

bool cInput::buttonHeld(int button)
{
    if (stateOf(buttons, button, BUTTON_COUNT) == DOWN) {
        buttons[button] = HELD;
        return false;
    }
    return stateOf(buttons, button, BUTTON_COUNT) == HELD;
}

bool cInput::buttonPressed(int button) const
{
    const char state = stateOf(buttons, button, BUTTON_COUNT);
    return state == DOWN || state == CLICKED;
}

bool cInput::buttonReleased(int button) const
{
    const char state = stateOf(buttons, button, BUTTON_COUNT);
    return state == UP || state == CLICKED;
}

bool cInput::clicked() const { return buttonPressed(1) || buttonPressed(3) || buttonPressed(2); }
