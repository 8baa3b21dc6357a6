#include "support/CoutCapture.h"

#include <iostream>

CoutCapture::CoutCapture() : previous(std::cout.rdbuf(captured.rdbuf())) {}

CoutCapture::~CoutCapture() { std::cout.rdbuf(previous); }

int CoutCapture::count(const std::string& needle) const
{
    const std::string all = captured.str();
    int found = 0;
    for (size_t at = all.find(needle); at != std::string::npos; at = all.find(needle, at + 1)) {
        ++found;
    }
    return found;
}
