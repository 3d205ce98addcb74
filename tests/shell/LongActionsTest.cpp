// The one way long actions wait, the game-wide abort, and calls deferred
// until the handler that made them has returned.

#include <gtest/gtest.h>

#include "shell/Game.h"
#include "support/TestPort.h"

namespace lwk {
namespace {

struct LongActions : ::testing::Test {
  TestPort port;
  Game game{port};
  LongActions() { port.game = &game; }
};

TEST_F(LongActions, AWaitRunsTimersUntilItsConditionHolds) {
  game.setTimerInterval(TimerId::Suspend, 250);
  game.setTimer(TimerId::Suspend, true);
  const std::int64_t start = port.now;
  bool flag = false;
  port.duringWait = [&] { flag = port.now - start >= 1000; };
  EXPECT_TRUE(game.WaitUntil([&] { return flag; }));
  EXPECT_EQ(port.now - start, 1000);
  EXPECT_EQ(game.WaitDepth, 0);
}

TEST_F(LongActions, AbortEndsEveryNestedWaitAndDoesNotSpoilTheNext) {
  game.setTimer(TimerId::Suspend, true);
  int turns = 0;
  bool inner = true, outer = true;
  port.duringWait = [&] {
    if (++turns == 3) game.AbortActions();
  };
  outer = game.WaitUntil([&] {
    inner = game.WaitUntil([] { return false; });
    return true;
  });
  EXPECT_FALSE(inner);
  EXPECT_FALSE(outer);
  EXPECT_FALSE(game.AbortWaits);
  // Abort with nothing waiting is a no-op: the next wait runs normally.
  game.AbortActions();
  port.duringWait = nullptr;
  int n = 0;
  EXPECT_TRUE(game.WaitUntil([&] { return ++n == 3; }));
}

TEST_F(LongActions, DeferredCallsRunOnlyAfterTheWaitingActionHasUnwound) {
  game.setTimer(TimerId::Suspend, true);
  std::vector<std::string> order;
  int turns = 0;
  port.duringWait = [&] {
    if (++turns == 2) {
      game.Defer([&] { order.push_back("day ends"); });
      game.AbortActions();
    }
  };
  game.WaitUntil([] { return false; });
  order.push_back("cast unwound");
  EXPECT_EQ(order, (std::vector<std::string>{"cast unwound"}));
  port.runPosted();
  EXPECT_EQ(order, (std::vector<std::string>{"cast unwound", "day ends"}));
}

TEST_F(LongActions, AWaitNothingCanEndIsAbortedInTests) {
  EXPECT_FALSE(game.WaitUntil([] { return false; }));
  EXPECT_EQ(port.stuckWaits, 1);
}

}  // namespace
}  // namespace lwk
