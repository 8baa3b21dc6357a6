#include "StartupSection.h"

#include "Samples.h"
#include "Startup.h"
#include "Table.h"

#include <string>

namespace {

struct GamePhases {
    cSamples toMain, audio, window, textures, sounds, music, drawings, objects, firstTick, tickTextures, whole, peakKb;

    void add(const cReport& run)
    {
        const int64_t level = run.get("level") - run.get("window");
        const int64_t loaders = run.get("textures") + run.get("sounds") + run.get("music") + run.get("drawings");
        toMain.add(run.get("main") - run.get("spawned"));
        audio.add(run.get("audio") - run.get("main"));
        window.add(run.get("window") - run.get("audio"));
        textures.add(run.get("textures"));
        sounds.add(run.get("sounds"));
        music.add(run.get("music"));
        drawings.add(run.get("drawings"));
        objects.add(level - loaders);
        firstTick.add(run.get("ready") - run.get("level"));
        tickTextures.add(run.get("tickTextures"));
        whole.add(run.get("ready") - run.get("spawned"));
        peakKb.add(run.get("peakKb"));
    }
};

} // namespace

int64_t reportStartup(cTable& table, int runs)
{
    cSamples bare, barePeakKb;
    GamePhases game;
    int failures = 0;
    // One of each first, unkept, so that both find the files in the page cache.
    spawnStartup("floor");
    spawnStartup("game");
    for (int run = 0; run < runs; ++run) {
        const cReport floor = spawnStartup("floor");
        const cReport level = spawnStartup("game");
        failures += (floor.get("ok") ? 0 : 1) + (level.get("ok") ? 0 : 1);
        bare.add(floor.get("ready") - floor.get("spawned"));
        barePeakKb.add(floor.get("peakKb"));
        game.add(level);
    }
    const double ratio = static_cast<double>(game.whole.median()) / static_cast<double>(bare.median());
    table.section("Start-up, median of " + std::to_string(runs) + " runs", "ms", "x floor");
    table.row("bare window program (the floor)", cTable::ms(bare.median()), "1.00",
              "SDL window, GL context, audio device, one clear and swap");
    table.row("game, process start to first tick", cTable::ms(game.whole.median()), cTable::ratio(ratio),
              cTable::verdict(ratio <= 1.5, "at most 1.50"));
    table.row("  process start to main", cTable::ms(game.toMain.median()));
    table.row("  audio device", cTable::ms(game.audio.median()));
    table.row("  window", cTable::ms(game.window.median()));
    table.row("  textures (read, convert, upload)", cTable::ms(game.textures.median()));
    table.row("  sounds", cTable::ms(game.sounds.median()));
    table.row("  music", cTable::ms(game.music.median()));
    table.row("  drawings", cTable::ms(game.drawings.median()));
    table.row("  objects (the rest of building the level)", cTable::ms(game.objects.median()));
    table.row("  first tick", cTable::ms(game.firstTick.median()));
    table.row("    of which pictures read as they come into view", cTable::ms(game.tickTextures.median()));
    if (failures > 0) {
        table.row("start-ups that failed", cTable::count(failures));
    }
    const double memoryRatio = static_cast<double>(game.peakKb.median()) / static_cast<double>(barePeakKb.median());
    table.section("Peak resident memory", "MiB", "x floor");
    table.row("bare window program", cTable::mb(barePeakKb.median()), "1.00");
    table.row("game after start-up", cTable::mb(game.peakKb.median()), cTable::ratio(memoryRatio),
              cTable::verdict(memoryRatio <= 2.0, "at most 2.00"));
    return barePeakKb.median();
}
