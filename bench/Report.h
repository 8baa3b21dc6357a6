#pragma once

#include <cstdint>
#include <map>
#include <string>

/// Named figures that a child process hands its parent as one line of
/// "name=value" pairs.
class cReport final {
public:
    void set(const std::string& name, int64_t value) { values[name] = value; }
    /// 0 for a figure that was not reported.
    int64_t get(const std::string& name) const;

    std::string toLine() const;
    static cReport fromLine(const std::string& line);

private:
    std::map<std::string, int64_t> values;
};
