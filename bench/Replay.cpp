#include "Replay.h"

#include "app/Camera.h"
#include "app/Input.h"
#include "app/Singleton.h"

#include <SDL.h>

#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

namespace {

const std::map<std::string, int> KEYS = {
    {"right", SDLK_RIGHT}, {"left", SDLK_LEFT}, {"up", SDLK_UP}, {"down", SDLK_DOWN}};

} // namespace

bool cReplay::load(const std::string& fileName)
{
    std::ifstream file(fileName);
    if (!file) {
        std::cout << "Cannot read the replay " << fileName << std::endl;
        return false;
    }
    steps.clear();
    std::string line;
    while (std::getline(file, line)) {
        line = line.substr(0, line.find('#'));
        if (line.find_first_not_of(" \t") != std::string::npos && !parse(line)) {
            std::cout << "Unreadable replay line in " << fileName << ": " << line << std::endl;
            return false;
        }
    }
    return true;
}

bool cReplay::parse(const std::string& line)
{
    std::istringstream fields(line);
    Step step{0, CLICK, 0, 0.0f, 0.0f};
    std::string action;
    if (!(fields >> step.tick >> action) || (!steps.empty() && step.tick < steps.back().tick)) {
        return false;
    }
    if (action == "point") {
        step.action = POINT;
        return static_cast<bool>(fields >> step.dx >> step.dy) && (steps.push_back(step), true);
    }
    if (action == "click") {
        steps.push_back(step);
        return true;
    }
    std::string key;
    fields >> key;
    const auto found = KEYS.find(key);
    const std::map<std::string, Action> keyActions = {{"hold", HOLD}, {"release", RELEASE}, {"press", PRESS}};
    const auto keyAction = keyActions.find(action);
    if (found == KEYS.end() || keyAction == keyActions.end()) {
        return false;
    }
    step.key = found->second;
    step.action = keyAction->second;
    steps.push_back(step);
    return true;
}

void cReplay::apply(int tick) const
{
    cInput& input = Singleton<cInput>::instance();
    const cCamera& camera = Singleton<cCamera>::instance();
    for (const Step& step : steps) {
        if (step.action == PRESS && step.tick + 1 == tick) {
            input.setKey(step.key, cInput::UP);
        }
        if (step.tick != tick) {
            continue;
        }
        switch (step.action) {
        case HOLD:
        case PRESS:
            input.setKey(step.key, cInput::DOWN);
            break;
        case RELEASE:
            input.setKey(step.key, cInput::UP);
            break;
        case POINT:
            input.moveMouse(camera.x() + step.dx - input.mouseX(), camera.y() + step.dy - input.mouseY());
            break;
        case CLICK:
            input.setButton(1, cInput::DOWN);
            input.setButton(1, cInput::UP);
            break;
        }
    }
}
