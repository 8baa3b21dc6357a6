#pragma once

#include <set>
#include <string>

/// Diagnostics that would repeat for every object asking for the same missing
/// file, or for every sound a busy mixer turns away: each subject is spoken
/// of once, the first time it comes up. Used as Singleton<cSayOnce>::instance().
class cSayOnce final {
public:
    /// Writes the line to standard output unless the subject was spoken of
    /// before; true when it did.
    bool say(const std::string& subject, const std::string& line);
    /// Whether something was said about the subject.
    bool said(const std::string& subject) const { return subjects.count(subject) != 0; }

private:
    std::set<std::string> subjects;
};
