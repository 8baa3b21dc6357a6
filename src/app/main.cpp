#include "app/Application.h"

int main(int, char**)
{
    auto* application = new cApplication;
    delete application;
    return 0;
}
