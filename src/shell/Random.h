#pragma once
// The one pseudo-random generator of the game. Random(n) is uniform over
// 0 .. n-1. The game seeds it from the clock; tests seed it or script the
// exact draws they need ("Random(20) = 0" on purpose).

#include <cstdint>
#include <deque>
#include <optional>
#include <random>

namespace lwk {

class Random {
 public:
  explicit Random(std::uint32_t seed = 1) : engine_(seed) {}

  void seed(std::uint32_t seed) { engine_.seed(seed); }
  // Reseeds from the clock (each stocking of a lake does), or, once a test
  // has pinned the seeds, from the next of its own seeds, so that a whole
  // game replays from one number.
  void seedFromClock();
  void pinClockSeeds(std::uint32_t first) { pinnedSeed_ = first; }

  // Uniform over 0 .. n-1; 0 for n <= 0 (never divides by zero).
  int operator()(int n);
  // Uniform real in [0, 1).
  double real();

  // Queues draws returned before any from the engine. A scripted value is
  // taken as given, whatever n is, so a test can force a branch; it must be
  // below n, which is checked.
  void script(std::initializer_list<int> draws) { scripted_.insert(scripted_.end(), draws); }
  void clearScript() { scripted_.clear(); }
  bool scriptEmpty() const { return scripted_.empty(); }
  // How many draws have been made so far (scripted or not).
  std::uint64_t draws() const { return draws_; }

 private:
  std::mt19937 engine_;
  std::deque<int> scripted_;
  std::uint64_t draws_ = 0;
  std::optional<std::uint32_t> pinnedSeed_;
};

}  // namespace lwk
