#pragma once

#include <sstream>
#include <streambuf>
#include <string>

/// Collects what the game writes to standard output while it lives.
class CoutCapture final {
public:
    CoutCapture();
    ~CoutCapture();
    CoutCapture(const CoutCapture&) = delete;
    CoutCapture& operator=(const CoutCapture&) = delete;

    std::string text() const { return captured.str(); }
    /// How often the text occurs in what was written.
    int count(const std::string& needle) const;

private:
    std::ostringstream captured;
    std::streambuf* previous;
};
