#pragma once
// A scripted angler for the tournament soak: plays whole tournaments on one
// bundled lake at one play level, on the test port's virtual time, with a
// seeded random generator of its own, and checks the game's invariants after
// every action it takes.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "support/GameFixture.h"

namespace lwk {

// What a soak did, summed over every angler.
struct SoakFigures {
  int days = 0;
  int tournaments = 0;
  int actions = 0;
  int casts = 0;
  int strikes = 0;
  int fishLanded = 0;
  int weighIns = 0;
  int saves = 0;
  int loads = 0;
  void add(const SoakFigures& o);
};

class Angler {
 public:
  Angler(const std::string& lakeFile, int playLevel, std::uint32_t seed);
  // Plays until `days` game days have ended. Empty when every invariant held,
  // else what broke, with the seed, the day and the action that broke it.
  std::string play(int days);
  const SoakFigures& figures() const { return figures_; }

 private:
  GameFixture fx_;
  Game& g_;
  TestPort& port_;
  std::string lakeFile_;
  int level_;
  std::uint32_t seed_;
  std::mt19937 rng_;
  SoakFigures figures_;
  std::string failure_;
  std::string action_ = "start-up";

  // Where the day stands, to notice when one has ended.
  int dayMark_ = 0;
  int tournamentMark_ = 0;
  int castMark_ = 0;
  int fishMark_ = 0;
  bool goingHome_ = false;
  int homeAt_ = 0;  // seconds left when the angler heads for the flag
  int heading_ = 0;
  int saveNumber_ = 0;
  // Steps over water from each cell to the flag (-1 for land), per day.
  std::vector<int> homeSteps_;
  // The hook set decided once per strike.
  bool strikeSeen_ = false;
  bool setTheHook_ = false;
  int waitMischief_ = 0;
  bool midcastLoad_ = false;  // a game was picked inside a wait: the day restarts

  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool chance(int percent) { return pick(100) < percent; }
  bool tournamentLevel() const;

  void openLake();
  void startDay();
  void act();
  void cast();
  void drive();
  void steer(int direction, int presses);
  void mapWayHome();
  int wayHome() const;  // the direction one cell nearer the flag; -1 for none
  void rig();
  void gps();
  void windows();
  void saveAndMaybeLoad();
  void duringWait();
  int modal(WindowId id);

  // After every action: the invariants, and the day's end noticed.
  void check();
  void fail(const std::string& what);
  void checkSavedGameRoundTrip();
  void checkLoadedGame(const std::string& path, const std::string& bytes);
  void countDay();
  // Shuts the game down and starts it again in its folder: the records and
  // the rod setups come back as they were.
  void closeAndStartAgain();
};

}  // namespace lwk
