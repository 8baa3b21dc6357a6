#include "Table.h"

#include <cstdio>

namespace {

std::string format(const char* pattern, double value)
{
    char text[32];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

} // namespace

void cTable::section(const std::string& title, const std::string& firstColumn, const std::string& secondColumn)
{
    std::printf("\n%-44s %10s %10s\n", title.c_str(), firstColumn.c_str(), secondColumn.c_str());
}

void cTable::row(const std::string& label, const std::string& first, const std::string& second,
                 const std::string& note)
{
    std::printf("  %-42s %10s %10s  %s\n", label.c_str(), first.c_str(), second.c_str(), note.c_str());
}

std::string cTable::ms(int64_t ns) { return format("%.1f", static_cast<double>(ns) / 1e6); }

std::string cTable::us(int64_t ns) { return format("%.1f", static_cast<double>(ns) / 1e3); }

std::string cTable::mb(int64_t kb) { return format("%.1f", static_cast<double>(kb) / 1024.0); }

std::string cTable::ratio(double value) { return format("%.2f", value); }

std::string cTable::tenths(double value) { return format("%.1f", value); }

std::string cTable::percent(double share) { return format("%.1f %%", share * 100.0); }

std::string cTable::count(int64_t value) { return std::to_string(value); }

std::string cTable::verdict(bool met, const std::string& target)
{
    return (met ? "met: " : "MISSED: ") + target;
}
