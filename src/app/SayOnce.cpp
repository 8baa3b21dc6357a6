#include "app/SayOnce.h"

#include <iostream>

bool cSayOnce::say(const std::string& subject, const std::string& line)
{
    if (!subjects.insert(subject).second) {
        return false;
    }
    std::cout << line << std::endl;
    return true;
}
