#include "app/Process.h"
#include "app/ProcessList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Writes every message it receives into a shared log, as "name:message".
class RecordingProcess final : public cProcess {
public:
    RecordingProcess(std::string name, std::vector<std::string>& log) : name(std::move(name)), log(log) {}

    void run(int message) override
    {
        log.push_back(name + ":" + std::to_string(message));
        if (message == MSG_TICK && onTick) {
            onTick();
        }
    }

    std::function<void()> onTick;

private:
    std::string name;
    std::vector<std::string>& log;
};

class ProcessListTest : public ::testing::Test {
protected:
    std::vector<std::string> log;
    RecordingProcess a{"a", log}, b{"b", log}, c{"c", log}, d{"d", log};
    cProcessList list;
};

TEST_F(ProcessListTest, IdsGrowFromTheTailAndRestartWhenEmpty)
{
    EXPECT_EQ(list.add(&a), 1);
    EXPECT_EQ(list.add(&b), 2);
    EXPECT_EQ(list.add(&c), 3);
    EXPECT_EQ(list.remove(3), 1);
    EXPECT_EQ(list.add(&d), 3);
    EXPECT_EQ(list.remove(1), 1);
    EXPECT_EQ(list.add(&a), 4);
    list.clearAll();
    EXPECT_EQ(list.add(&b), 1);
}

TEST_F(ProcessListTest, AddingTellsTheProcessAndNullIsRefused)
{
    EXPECT_EQ(list.add(nullptr), 0);
    list.add(&a);
    EXPECT_EQ(log, (std::vector<std::string>{"a:1"}));
    EXPECT_EQ(list.runAll(), 1);
    EXPECT_EQ(log.back(), "a:2");
}

TEST_F(ProcessListTest, RunsInOrderOfAdditionAfterRemovalFromTheMiddle)
{
    list.add(&a);
    const int idB = list.add(&b);
    list.add(&c);
    EXPECT_EQ(list.remove(idB), 1);
    EXPECT_EQ(list.remove(idB), 0);
    log.clear();
    list.runAll();
    EXPECT_EQ(log, (std::vector<std::string>{"a:2", "c:2"}));
}

TEST_F(ProcessListTest, EmptyListRunsAndClearsNothing)
{
    EXPECT_EQ(list.runAll(), 0);
    EXPECT_EQ(list.clearAll(), 0);
    EXPECT_EQ(list.remove(1), 0);
    EXPECT_TRUE(log.empty());
}

TEST_F(ProcessListTest, ClearAllTellsEveryProcessOnceInListOrder)
{
    list.add(&a);
    list.add(&b);
    list.add(&c);
    log.clear();
    EXPECT_EQ(list.clearAll(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"a:0", "b:0", "c:0"}));
    log.clear();
    EXPECT_EQ(list.runAll(), 0);
    EXPECT_TRUE(log.empty());
}

TEST_F(ProcessListTest, ProcessAddedDuringATickIsTickedInTheSamePass)
{
    a.onTick = [this] {
        if (log.size() < 3) {
            list.add(&b);
        }
    };
    list.add(&a);
    log.clear();
    list.runAll();
    EXPECT_EQ(log, (std::vector<std::string>{"a:2", "b:1", "b:2"}));
}

TEST_F(ProcessListTest, DestructorRemovesWhatIsStillListed)
{
    {
        cProcessList scoped;
        scoped.add(&a);
        scoped.add(&b);
        log.clear();
    }
    EXPECT_EQ(log, (std::vector<std::string>{"a:0", "b:0"}));
}

} // namespace
