// The benchmark: one run, one table. Start-up against a bare window program,
// the level's tick over a fixed replay against Box2D's own step, memory,
// allocations and a crowd of objects. See README.md, "Measured".
#include "Crowd.h"
#include "PeakMemory.h"
#include "Replay.h"
#include "Startup.h"
#include "StartupSection.h"
#include "SwapRate.h"
#include "Table.h"
#include "TickBench.h"

#include "app/Camera.h"
#include "app/Singleton.h"

#include <box2d/b2_world.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr double TICK_BUDGET_NS = 17e6;
constexpr int CROWD_TICKS = 600;

struct Options {
    int runs = 7;
    int crowdBodies = 1400;
    // The parts of the table that take long, each to be left out.
    bool swaps = true;
    bool ticks = true;
    std::string replay = QUIB_SOURCE_DIR "/bench/replay.txt";
};

Options parse(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-swaps") == 0) {
            options.swaps = false;
            continue;
        }
        if (std::strcmp(argv[i], "--no-ticks") == 0) {
            options.ticks = false;
            continue;
        }
        if (i + 1 == argc) {
            break;
        }
        if (std::strcmp(argv[i], "--runs") == 0) {
            options.runs = std::atoi(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--crowd") == 0) {
            options.crowdBodies = std::atoi(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--replay") == 0) {
            options.replay = argv[i + 1];
        }
        ++i;
    }
    return options;
}

double ratio(int64_t part, int64_t whole) { return static_cast<double>(part) / static_cast<double>(whole); }

void tickRow(const std::string& label, const cSamples& samples, const std::string& note = "")
{
    cTable().row(label, cTable::us(samples.median()), cTable::us(samples.percentile(0.99)), note);
}

void reportTick(cTable& table, const std::string& title, const cTickBench::Figures& figures)
{
    const cTimedLevel::Parts& level = figures.level;
    table.section(title, "median us", "p99 us");
    tickRow("rules", level.rules);
    tickRow("physics step", level.step);
    tickRow("  of which Box2D's b2World::Step (the floor)", level.worldStep);
    tickRow("sync of objects to bodies", level.sync);
    tickRow("drawing (GL calls of the objects)", level.drawing);
    tickRow("drag box", figures.dragBox);
    tickRow("clear, scheduler, input, project, swap", figures.frame);
    const double share = ratio(figures.whole.median(), static_cast<int64_t>(TICK_BUDGET_NS));
    tickRow("whole tick", figures.whole,
            cTable::percent(share) + " of 17 ms; " + cTable::verdict(share <= 0.25, "at most 25 %"));
    tickRow("  processor time of the tick, all threads", figures.wholeCpu);
    const double overhead = ratio(level.logic.median(), level.worldStep.median());
    table.row("rules + step + sync over Box2D's step", cTable::ratio(overhead), "",
              cTable::verdict(overhead < 1.25, "under 1.25"));
}

void reportAllocations(cTable& table, const cTickBench::Figures& figures)
{
    table.section("Operator new calls per tick", "median", "max");
    table.row("scheduler, input, clear, project, swap", cTable::count(figures.frameAllocations.median()),
              cTable::count(figures.frameAllocations.max()),
              cTable::verdict(figures.frameAllocations.max() == 0, "none"));
    table.row("level (rules, step, sync, drawing)", cTable::count(figures.level.allocations.median()),
              cTable::count(figures.level.allocations.max()));
    table.row("drag box", cTable::count(figures.dragBoxAllocations.median()),
              cTable::count(figures.dragBoxAllocations.max()));
}

void reportCrowd(cTable& table, cTickBench& bench, int bodies)
{
    b2World* world = bench.level().getWorld();
    const cCamera& camera = Singleton<cCamera>::instance();
    const int placed = placeCrowd(world, camera.x(), camera.y(), bodies);
    const int bodiesBefore = world->GetBodyCount();
    const cTickBench::Figures crowd = bench.run(CROWD_TICKS, [](int) {});
    reportTick(table, "Crowd: " + std::to_string(placed) + " objects placed, " + std::to_string(bodiesBefore) +
                          " bodies, " + std::to_string(CROWD_TICKS) + " ticks",
               crowd);
    table.row("contact points, most in one tick", cTable::count(crowd.maxContactPoints), "",
              "cap 2048, reached in " + std::to_string(crowd.ticksAtContactCap) + " ticks");
    table.row("bodies at the end (frozen ones included)", cTable::count(world->GetBodyCount()));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 6 && std::strcmp(argv[1], "--swaps") == 0) {
        return runSwapCount(argv[2], std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
    }
    if (argc == 4 && std::strcmp(argv[1], "--startup") == 0) {
        const int fd = std::atoi(argv[3]);
        return std::strcmp(argv[2], "floor") == 0 ? runBareWindow(fd) : runGameStartup(fd);
    }
    const Options options = parse(argc, argv);
    cReplay replay;
    if (!replay.load(options.replay) || chdir(QUIB_SOURCE_DIR "/data") != 0) {
        return 1;
    }
    std::printf("QUIB benchmark: 640 x 480, one run; times are medians and 99th percentiles of this run.\n");
    cTable table;
    const int64_t barePeakKb = reportStartup(table, options.runs);
    if (options.swaps) {
        reportSwapRates(table);
    }
    if (!options.ticks) {
        std::fflush(nullptr);
        return 0;
    }

    cTickBench bench;
    bench.start();
    const int64_t startedKb = peakResidentKb();
    const cTickBench::Figures figures = bench.run(replay.length(), [&replay](int tick) { replay.apply(tick); });
    reportTick(table, "Tick over the replay, " + std::to_string(replay.length()) + " ticks", figures);
    table.row("peak memory after the replay (MiB, x floor)", cTable::mb(peakResidentKb()),
              cTable::ratio(ratio(peakResidentKb(), barePeakKb)),
              "after start-up in this process: " + cTable::mb(startedKb));
    reportAllocations(table, figures);
    if (options.crowdBodies > 0) {
        reportCrowd(table, bench, options.crowdBodies);
    }
    std::fflush(nullptr);
    // The game never frees its level; neither does the bench.
    std::_Exit(0);
}
