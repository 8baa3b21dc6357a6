#pragma once

#include <string>
#include <vector>

/// A fixed script of play, fed to the input state tick by tick as the event
/// loop would. One step a line: "TICK hold|release|press KEY" for the keys
/// right, left, up, down; "TICK point DX DY" puts the mouse that far from the
/// view's centre, in world units; "TICK click" clicks the left button.
/// A press lets the key go at the next tick. '#' starts a comment.
class cReplay final {
public:
    /// Reads the script; false, with a line on standard output, when it cannot.
    bool load(const std::string& fileName);
    /// Feeds whatever the script does at that tick to the input state.
    void apply(int tick) const;
    /// The tick after the script's last step.
    int length() const { return steps.empty() ? 0 : steps.back().tick + 2; }

private:
    enum Action { HOLD, RELEASE, PRESS, POINT, CLICK };
    struct Step {
        int tick;
        Action action;
        int key;
        float dx;
        float dy;
    };

    bool parse(const std::string& line);

    std::vector<Step> steps;
};
