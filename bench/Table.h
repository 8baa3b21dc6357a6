#pragma once

#include <cstdint>
#include <string>

/// The bench's one table, printed as it is filled: a title per section, then
/// rows of a label, up to two figures and a note.
class cTable final {
public:
    void section(const std::string& title, const std::string& firstColumn, const std::string& secondColumn);
    void row(const std::string& label, const std::string& first, const std::string& second = "",
             const std::string& note = "");

    static std::string ms(int64_t ns);
    static std::string us(int64_t ns);
    static std::string mb(int64_t kb);
    static std::string ratio(double value);
    static std::string tenths(double value);
    static std::string percent(double share);
    static std::string count(int64_t value);
    /// "met" or "MISSED", for a row that states a target.
    static std::string verdict(bool met, const std::string& target);
};
