#include "levels/ReplayScript.h"

#include "objects/ObjectKind.h"

#include <SDL.h>

#include <map>
#include <set>
#include <sstream>

namespace {

using Verb = ReplayStep::Verb;

const std::map<std::string, int> KEYS = {
    {"right", SDLK_RIGHT}, {"left", SDLK_LEFT}, {"up", SDLK_UP}, {"down", SDLK_DOWN}, {"d", SDLK_d}};

const std::map<std::string, int> STARS = {{"bowling", KIND_BOWLING_STAR},
                                          {"balance", KIND_BALANCE_STAR},
                                          {"cherry", KIND_CHERRY_STAR},
                                          {"skate", KIND_SKATE_STAR},
                                          {"cannon", KIND_CANNON_STAR}};

const std::set<std::string> MEASURES = {"x", "y", "vx", "vy"};

const std::map<std::string, Verb> VERBS = {
    {"hold", Verb::HOLD},       {"press", Verb::PRESS},   {"release", Verb::RELEASE},
    {"tap", Verb::TAP},         {"wait", Verb::WAIT},     {"until", Verb::UNTIL},
    {"brake", Verb::BRAKE},     {"move-to", Verb::MOVE_TO}, {"click", Verb::CLICK},
    {"click-panel", Verb::CLICK_PANEL}, {"show", Verb::SHOW}, {"expect", Verb::EXPECT},
    {"puzzle", Verb::PUZZLE}};

bool readKey(std::istream& words, ReplayStep& step)
{
    std::string name;
    words >> name;
    const auto found = KEYS.find(name);
    if (found == KEYS.end()) {
        return false;
    }
    step.key = found->second;
    return true;
}

bool readCount(std::istream& words, int& count) { return static_cast<bool>(words >> count) && count > 0; }

// A measure is written with its comparison attached: "x>", "vx<".
bool readMeasure(const std::string& word, std::istream& words, ReplayCondition& condition)
{
    if (word.size() < 2) {
        return false;
    }
    condition.what = word.substr(0, word.size() - 1);
    condition.comparison = word.back();
    const bool known = MEASURES.count(condition.what) && (condition.comparison == '>' || condition.comparison == '<');
    return known && static_cast<bool>(words >> condition.value);
}

bool readCondition(std::istream& words, ReplayCondition& condition)
{
    std::string word;
    if (!(words >> word)) {
        return false;
    }
    if (word == "star" || word == "placed") {
        condition.what = word;
        return static_cast<bool>(words >> condition.name) && starKindNamed(condition.name) >= 0;
    }
    if (word == "hazelnut") {
        condition.what = word;
        return true;
    }
    return readMeasure(word, words, condition);
}

bool readArguments(std::istream& words, ReplayStep& step)
{
    switch (step.verb) {
    case Verb::HOLD:
        return readKey(words, step) && readCount(words, step.ticks);
    case Verb::PRESS:
    case Verb::RELEASE:
    case Verb::TAP:
        return readKey(words, step);
    case Verb::WAIT:
        return readCount(words, step.ticks);
    case Verb::MOVE_TO:
        return static_cast<bool>(words >> step.x >> step.y);
    case Verb::CLICK_PANEL:
        return readCount(words, step.slot);
    case Verb::PUZZLE:
        return static_cast<bool>(words >> step.puzzle);
    case Verb::UNTIL:
    case Verb::EXPECT:
        return readCondition(words, step.condition);
    case Verb::CLICK:
    case Verb::BRAKE:
    case Verb::SHOW:
        return true;
    }
    return false;
}

// Nothing may follow the arguments but blanks: "hold right 12O" is a typo,
// not a hold of 12 ticks.
bool readStep(const std::string& text, ReplayStep& step)
{
    std::istringstream words(text);
    words.imbue(std::locale::classic());
    std::string verb;
    words >> verb;
    const auto found = VERBS.find(verb);
    if (found == VERBS.end()) {
        return false;
    }
    step.verb = found->second;
    std::string rest;
    return readArguments(words, step) && !(words >> rest);
}

std::string withoutComment(const std::string& line) { return line.substr(0, line.find('#')); }

bool isBlank(const std::string& text) { return text.find_first_not_of(" \t\r") == std::string::npos; }

} // namespace

int starKindNamed(const std::string& name)
{
    const auto found = STARS.find(name);
    return found == STARS.end() ? -1 : found->second;
}

std::string describe(const ReplayCondition& condition)
{
    std::ostringstream text;
    text << condition.what;
    if (condition.comparison) {
        text << condition.comparison << " " << condition.value;
    } else if (!condition.name.empty()) {
        text << " " << condition.name;
    }
    return text.str();
}

std::vector<ReplayPuzzle> puzzlesOf(const std::vector<ReplayStep>& steps)
{
    std::vector<ReplayPuzzle> puzzles;
    for (size_t i = 0; i < steps.size(); ++i) {
        if (steps[i].verb == Verb::PUZZLE) {
            if (!puzzles.empty()) {
                puzzles.back().end = i;
            }
            puzzles.push_back({steps[i].puzzle, i, steps.size()});
        }
    }
    return puzzles;
}

ReplayScript readReplayScript(std::istream& text)
{
    ReplayScript script;
    std::string line;
    for (int number = 1; std::getline(text, line); ++number) {
        const std::string content = withoutComment(line);
        if (isBlank(content)) {
            continue;
        }
        ReplayStep step;
        step.line = number;
        if (!readStep(content, step)) {
            script.error = "line " + std::to_string(number) + ": cannot read \"" + line + "\"";
            return script;
        }
        script.steps.push_back(step);
    }
    return script;
}
