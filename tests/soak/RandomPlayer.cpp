#include "soak/RandomPlayer.h"

#include "app/Input.h"
#include "app/Singleton.h"
#include "app/Video.h"
#include "objects/Object.h"
#include "objects/ObjectList.h"
#include "support/Play.h"

#include <SDL.h>


void RandomPlayer::act()
{
    for (int key : tapped) {
        input().setKey(key, cInput::UP);
    }
    tapped.clear();
    steer();
    switches();
    if (!carried().empty()) {
        carry();
    } else if (chance(0.03) && static_cast<int>(placedObjects().size()) < MAX_PLACED) {
        grab();
    }
    if (chance(0.03)) {
        removeOne();
    }
    if (chance(0.01)) {
        pointAnywhere();
        click();
    }
}

bool RandomPlayer::chance(double probability) { return std::bernoulli_distribution(probability)(random); }

void RandomPlayer::steer()
{
    if (chance(0.02)) {
        const int choice = std::uniform_int_distribution<int>(0, 3)(random);
        input().setKey(SDLK_RIGHT, choice == 0 || choice == 3 ? cInput::DOWN : cInput::UP);
        input().setKey(SDLK_LEFT, choice == 1 ? cInput::DOWN : cInput::UP);
    }
    if (chance(0.03)) {
        tap(SDLK_UP);
    }
    if (chance(0.01)) {
        input().setKey(SDLK_DOWN, chance(0.5) ? cInput::DOWN : cInput::UP);
    }
}

void RandomPlayer::switches()
{
    if (chance(0.002)) {
        tap(SDLK_m);
    }
    if (chance(0.001)) {
        tap(SDLK_d);
    }
    // About one restart in 250 ticks: a few in a short soak, hundreds in a long one.
    if (chance(0.004)) {
        tap(SDLK_r);
    }
    // Each switch of the window uploads every picture again: rare enough to
    // leave time for play, common enough to happen in every run.
    if (chance(0.0004)) {
        tap(SDLK_f);
    }
}

void RandomPlayer::carry()
{
    if (chance(0.1)) {
        pointAnywhere();
    }
    if (dragging && chance(0.05)) {
        input().setButton(1, cInput::UP);
        dragging = false;
    } else if (!dragging && chance(0.05)) {
        click();
    }
}

void RandomPlayer::grab()
{
    const ObjectList taken = tools();
    if (taken.empty()) {
        return;
    }
    const cObject* tool = taken[std::uniform_int_distribution<std::size_t>(0, taken.size() - 1)(random)];
    pointAtPixelOf(tool->getX(), tool->getY());
    ++grabCount;
    // Half the grabs keep the button down and drag, the others click and carry.
    dragging = chance(0.5);
    if (dragging) {
        input().setButton(1, cInput::DOWN);
    } else {
        click();
    }
}

void RandomPlayer::removeOne()
{
    const ObjectList placed = placedObjects();
    if (placed.empty()) {
        return;
    }
    const cObject* target = placed[std::uniform_int_distribution<std::size_t>(0, placed.size() - 1)(random)];
    pointAtPixelOf(target->getX(), target->getY());
    click();
}

void RandomPlayer::pointAnywhere()
{
    const cVideo& video = Singleton<cVideo>::instance();
    input().setMousePixel(std::uniform_int_distribution<int>(0, video.width() - 1)(random),
                          std::uniform_int_distribution<int>(0, video.height() - 1)(random));
}

void RandomPlayer::tap(int key)
{
    input().setKey(key, cInput::DOWN);
    // Up again at the next act, after the level has seen one press.
    tapped.push_back(key);
}
