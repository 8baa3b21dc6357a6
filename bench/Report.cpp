#include "Report.h"

#include <sstream>

int64_t cReport::get(const std::string& name) const
{
    const auto found = values.find(name);
    return found == values.end() ? 0 : found->second;
}

std::string cReport::toLine() const
{
    std::ostringstream line;
    for (const auto& [name, value] : values) {
        line << name << '=' << value << ' ';
    }
    line << '\n';
    return line.str();
}

cReport cReport::fromLine(const std::string& line)
{
    cReport report;
    std::istringstream fields(line);
    std::string field;
    while (fields >> field) {
        const std::size_t equals = field.find('=');
        if (equals != std::string::npos) {
            report.set(field.substr(0, equals), std::stoll(field.substr(equals + 1)));
        }
    }
    return report;
}
