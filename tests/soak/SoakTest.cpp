// The tournament soak: a scripted angler plays every bundled lake at every
// play level on virtual time and checks the game's invariants after each of
// its actions. LWK_SOAK_DAYS sets the game days per lake and level (1 in the
// normal suite; scripts/soak.sh runs hundreds), LWK_SOAK_SEED the first seed.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>

#include "shell/Settings.h"
#include "soak/Angler.h"

namespace lwk {
namespace {

int EnvNumber(const char* name, int fallback) {
  const char* v = std::getenv(name);
  if (v == nullptr || *v == '\0') return fallback;
  return std::atoi(v);
}

TEST(Soak, EveryLakeAndLevelKeepsTheGamesInvariants) {
  const int days = std::max(1, EnvNumber("LWK_SOAK_DAYS", 1));
  const auto firstSeed = static_cast<std::uint32_t>(EnvNumber("LWK_SOAK_SEED", 1));
  const auto start = std::chrono::steady_clock::now();
  SoakFigures all;
  std::uint32_t seed = firstSeed;
  for (const char* lake : {"CedarFork.LAK", "GraniteLake.LAK", "Sawgrass.LAK"}) {
    for (int level : {Practice, Novice, Intermediate, Professional}) {
      Angler angler(lake, level, seed++);
      const std::string failure = angler.play(days);
      EXPECT_EQ(failure, "");
      all.add(angler.figures());
    }
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::cout << "soak: " << all.days << " game days, " << all.tournaments << " tournaments ended, " << all.actions
            << " actions, " << all.casts << " casts, " << all.strikes << " strikes, " << all.fishLanded
            << " fish landed, " << all.weighIns << " weigh-ins at the flag, " << all.saves << " saves, " << all.loads
            << " loads, " << seconds << " s wall time (seeds " << firstSeed << ".." << seed - 1 << ")\n";
  EXPECT_GE(all.days, 12 * days);
}

}  // namespace
}  // namespace lwk
