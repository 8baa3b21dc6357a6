#pragma once

#include "levels/ReplayScript.h"

#include <box2d/b2_math.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

class ReplayJitter;
class cObject;

/// Plays a replay script on the level that is running: it writes key and
/// button states and mouse pixels into the input state, as the event loop
/// would, ticks the application, and checks the script's conditions.
class ReplayPlayer final {
public:
    /// A wait for a condition, or a brake, that has not ended after this many ticks fails.
    static constexpr int UNTIL_LIMIT = 1200;
    /// A brake ends when the wheel moves slower than this sideways.
    static constexpr float BRAKED_SPEED = 0.12f;
    /// With errors, an expectation holds when it comes true within this many ticks:
    /// a player who sees it happen a moment later goes on all the same.
    static constexpr int EXPECT_GRACE = 50;

    /// Plays the steps in order and stops at the first expectation that does
    /// not hold or wait that never ends; true when there was none.
    bool play(const std::vector<ReplayStep>& steps) { return play(steps, 0, steps.size()); }
    /// The same for the steps from first up to end.
    bool play(const std::vector<ReplayStep>& steps, size_t first, size_t end);
    /// Ticks the application with no new input.
    void tick(int count = 1);

    /// From now on plays with a human's errors (null: exactly as written).
    void setJitter(ReplayJitter* errors) { jitter = errors; }
    /// Ends the play, as a success, after the first tick at whose end the
    /// wheel's centre satisfies the condition (an empty one never does).
    void stopWhen(std::function<bool(b2Vec2)> condition);
    bool stopped() const { return halted; }

    /// Which step failed, and where the wheel was then.
    const std::string& failure() const { return failed; }
    /// The star names of the tools that "expect placed" found placed.
    const std::set<std::string>& placedTools() const { return placed; }
    /// Whether a hazelnut has appeared at its return point in any tick so far.
    bool hazelnutReturned() const { return returned; }
    /// Where the wheel's centre was at the end of each tick so far.
    const std::vector<b2Vec2>& wheelPath() const { return path; }
    /// The tick at which each "puzzle" line was played, in order.
    const std::vector<int>& puzzleStarts() const { return puzzleTicks; }
    /// The deepest that anything moving has sunk into the wheel at the end of a tick since
    /// the start or the last forgetOverlap().
    float deepestOverlap() const { return deepest; }
    void forgetOverlap() { deepest = 0.0f; }
    /// Where the wheel was then.
    b2Vec2 deepestOverlapAt() const { return deepestAt; }

private:
    bool perform(const ReplayStep& step);
    bool waitUntil(const ReplayStep& step, int limit, bool reacting);
    bool brake(const ReplayStep& step);
    bool holds(const ReplayCondition& condition, int ticksAhead = 0);
    bool toolPlaced(const ReplayCondition& condition);
    void hold(int key, int ticks);
    void moveTo(float x, float y);
    void click();
    void clickPanel(int slot);
    void record();
    void fail(const ReplayStep& step, const std::string& why);
    std::string wheelState() const;

    int tickCount = 0;
    bool returned = false;
    std::string failed;
    cObject* grabbed = nullptr;
    size_t removableBeforeGrab = 0;
    std::set<std::string> placed;
    ReplayJitter* jitter = nullptr;
    std::function<bool(b2Vec2)> stopCondition;
    bool halted = false;
    std::vector<b2Vec2> path;
    std::vector<int> puzzleTicks;
    float deepest = 0.0f;
    b2Vec2 deepestAt{0.0f, 0.0f};
};
