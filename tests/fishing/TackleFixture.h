#pragma once
// A game with no lake for the tackle's rules: the rod box filled from the rod
// setups, virtual time that moves only when a test moves it.

#include <gtest/gtest.h>

#include "fishing/Tackle.h"
#include "shell/Game.h"
#include "support/TestPort.h"

namespace lwk {

struct TackleGame : ::testing::Test {
  TestPort port;
  Game g{port};

  void SetUp() override {
    port.game = &g;
    port.processEventsAdvances = false;
    FillRodList(g);
  }
  // The rod box closes with OK on rod `rod` (the player clicked its row).
  void pickRod(int rod) {
    port.onModal = [this, rod](WindowId id) {
      EXPECT_EQ(id, WindowId::RodBox);
      g.fishing.RodBoxRow = rod + 1;
      return ModalResult::Ok;
    };
    RodSelBtnClick(g);
    port.onModal = nullptr;
  }
  // The drawer window closes with OK on the given bait and colour.
  void pickBait(int drawer, int bait, int color) {
    port.onModal = [this, bait, color](WindowId id) {
      EXPECT_EQ(id, WindowId::TBdrawer);
      g.fishing.DrawerBait = bait;
      g.fishing.DrawerColor = color;
      return ModalResult::Ok;
    };
    DrawerClick(g, drawer);
    port.onModal = nullptr;
  }
  const std::array<std::string, 3>& rodRow(int rod) const {
    return g.fishing.RodList[static_cast<std::size_t>(rod + 1)];
  }
};

}  // namespace lwk
