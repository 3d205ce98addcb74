#include "shell/Random.h"

#include <chrono>
#include <stdexcept>
#include <string>

namespace lwk {

void Random::seedFromClock() {
  if (pinnedSeed_) {
    engine_.seed((*pinnedSeed_)++);
    return;
  }
  auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  engine_.seed(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

int Random::operator()(int n) {
  ++draws_;
  if (!scripted_.empty()) {
    int v = scripted_.front();
    scripted_.pop_front();
    if (n > 0 && (v < 0 || v >= n))
      throw std::logic_error("scripted draw " + std::to_string(v) + " is outside Random(" + std::to_string(n) + ")");
    return v;
  }
  if (n <= 0) return 0;
  return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

double Random::real() {
  ++draws_;
  return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

}  // namespace lwk
