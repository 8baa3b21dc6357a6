#pragma once

enum ProcessMessage {
    MSG_REMOVED = 0,
    MSG_ADDED = 1,
    MSG_TICK = 2,
};

/// Anything that acts once per game tick.
class cProcess {
public:
    virtual void run(int message) = 0;

protected:
    ~cProcess() = default;
};
