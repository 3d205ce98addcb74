#include "lake/LakeGenerator.h"

#include <TileCatalogue.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <random>
#include <vector>

#include "lake/LakeState.h"

namespace lwk {

namespace {

using namespace lwk::tiles;

constexpr int N = kLakeCells;
constexpr int kBorder = 3;  // land kept along every edge of the lake

class Rng {
 public:
  explicit Rng(std::uint32_t seed) : e_(seed) {}
  int operator()(int n) { return n <= 0 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(e_); }
  int range(int lo, int hi) { return lo + (*this)(hi - lo + 1); }
  double real() { return std::uniform_real_distribution<double>(0.0, 1.0)(e_); }
  bool chance(double p) { return real() < p; }
  template <typename T, size_t K>
  T pick(const std::array<T, K>& a) {
    return a[static_cast<size_t>((*this)(static_cast<int>(K)))];
  }

 private:
  std::mt19937 e_;
};

// Smooth value noise: a lattice of random values, blended between points.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : seed_(seed) {}
  double at(double x, double y, double cell) const {
    x /= cell;
    y /= cell;
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = Smooth(x - x0);
    const double fy = Smooth(y - y0);
    const double a = Lattice(x0, y0), b = Lattice(x0 + 1, y0);
    const double c = Lattice(x0, y0 + 1), d = Lattice(x0 + 1, y0 + 1);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
  }
  // Several octaves, 0 ... 1.
  double fbm(double x, double y, double cell, int octaves) const {
    double sum = 0, weight = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
      sum += at(x + o * 17.3, y - o * 31.7, cell) * weight;
      total += weight;
      weight *= 0.5;
      cell *= 0.5;
    }
    return sum / total;
  }

 private:
  static double Smooth(double t) { return t * t * (3 - 2 * t); }
  double Lattice(int x, int y) const {
    std::uint32_t h =
        seed_ ^ (static_cast<std::uint32_t>(x) * 0x27d4eb2dU) ^ (static_cast<std::uint32_t>(y) * 0x165667b1U);
    h ^= h >> 15;
    h *= 0x85ebca6bU;
    h ^= h >> 13;
    h *= 0xc2b2ae35U;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / static_cast<double>(0x1000000);
  }
  std::uint32_t seed_;
};

struct Basin {
  double x, y, rx, ry, angle;
};

// Cells as [column][row] flags and numbers.
template <typename T>
using Field = CellGrid<T>;

bool Inside(int c, int r) {
  return c >= 0 && c < N && r >= 0 && r < N;
}

// The generator's work state.
struct Builder {
  Builder(std::uint32_t seed, LakeStyle style) : rng(seed), noise(seed * 2654435761U + 7), style(style) {}

  Rng rng;
  Noise noise;
  LakeStyle style;
  std::vector<Basin> basins;
  Field<std::uint8_t> water;     // 1 water, 0 land
  Field<std::uint8_t> reserved;  // cells the features must leave alone
  Field<std::uint8_t> channel;   // cells of the channels between basins
  Field<int> dist;               // water: cells to the nearest land (1 = shore); land 0
  Field<std::uint8_t> grid;
  Field<std::uint8_t> depth;
  int maxDepth = 30;
  bool measured = false;  // the lake gets its own depth file
  int flagCol = 0, flagRow = 0;

  bool isWater(int c, int r) const { return Inside(c, r) && water.at(c, r) != 0; }
  void setWater(int c, int r, bool w) {
    if (Inside(c, r)) water.at(c, r) = w ? 1 : 0;
  }
  void reserve(int c, int r) {
    if (Inside(c, r)) reserved.at(c, r) = 1;
  }
  bool free(int c, int r) const { return Inside(c, r) && !reserved.at(c, r); }

  // --- The shape of the lake ---

  void planBasins() {
    switch (style) {
      case LakeStyle::Reservoir: {
        // A chain of basins along a winding valley from one corner to the other.
        const int count = 5;
        double x = rng.range(34, 44), y = rng.range(34, 50);
        for (int i = 0; i < count; ++i) {
          basins.push_back({x, y, rng.range(18, 25) * 1.0, rng.range(16, 22) * 1.0, rng.real() * 3.14});
          x += rng.range(30, 36);
          y += rng.range(18, 34) * (i % 2 ? 0.5 : 1.0);
          x = std::min(x, 162.0);
          y = std::min(y, 162.0);
        }
        break;
      }
      case LakeStyle::Highland: {
        basins.push_back({rng.range(92, 104) * 1.0, rng.range(84, 96) * 1.0, rng.range(62, 68) * 1.0,
                          rng.range(50, 56) * 1.0, rng.real() * 3.14});
        basins.push_back({rng.range(158, 164) * 1.0, rng.range(160, 166) * 1.0, 24, 20, rng.real() * 3.14});
        basins.push_back({rng.range(36, 44) * 1.0, rng.range(160, 166) * 1.0, 22, 18, rng.real() * 3.14});
        break;
      }
      case LakeStyle::Marsh: {
        basins.push_back({rng.range(50, 58) * 1.0, rng.range(50, 58) * 1.0, 38, 32, rng.real() * 3.14});
        basins.push_back({rng.range(142, 150) * 1.0, rng.range(50, 58) * 1.0, 34, 36, rng.real() * 3.14});
        basins.push_back({rng.range(138, 146) * 1.0, rng.range(138, 146) * 1.0, 40, 34, rng.real() * 3.14});
        basins.push_back({rng.range(52, 60) * 1.0, rng.range(142, 150) * 1.0, 32, 30, rng.real() * 3.14});
        break;
      }
    }
  }

  // 1 at a basin's centre, 0 at its rim, negative outside.
  static double BasinField(const Basin& b, double x, double y) {
    const double dx = x - b.x, dy = y - b.y;
    const double ca = std::cos(b.angle), sa = std::sin(b.angle);
    const double u = (dx * ca + dy * sa) / b.rx, v = (-dx * sa + dy * ca) / b.ry;
    return 1.0 - std::sqrt(u * u + v * v);
  }

  double basinField(double x, double y) const {
    double f = -10;
    for (const Basin& b : basins) f = std::max(f, BasinField(b, x, y));
    return f;
  }

  void shapeWater() {
    const double wobble = style == LakeStyle::Marsh ? 0.55 : 0.45;
    for (int c = 0; c < N; ++c)
      for (int r = 0; r < N; ++r) {
        const double f = basinField(c, r) + wobble * (noise.fbm(c, r, 22, 4) - 0.5) * 2 * 0.9;
        water.at(c, r) = f > 0 ? 1 : 0;
      }
    // Creek arms: winding fingers of water that end in coves.
    const int arms = style == LakeStyle::Highland ? 5 : 8;
    for (int a = 0; a < arms; ++a) {
      const Basin& b = basins[static_cast<size_t>(rng(static_cast<int>(basins.size())))];
      double angle = rng.real() * 6.283;
      double x = b.x + std::cos(angle) * b.rx * 0.8, y = b.y + std::sin(angle) * b.ry * 0.8;
      const int length = rng.range(10, 24);
      double width = rng.range(2, 3);
      for (int s = 0; s < length; ++s) {
        disc(x, y, width / 2.0, true);
        angle += (rng.real() - 0.5) * 0.7;
        x += std::cos(angle) * 1.3;
        y += std::sin(angle) * 1.3;
        if (s > length / 2) width = std::max(1.0, width - 0.15);
      }
    }
    // Islands in the open water of the basins.
    const int islands = style == LakeStyle::Highland ? 9 : style == LakeStyle::Marsh ? 5 : 4;
    for (int i = 0; i < islands; ++i) {
      const Basin& b = basins[static_cast<size_t>(rng(static_cast<int>(basins.size())))];
      const double angle = rng.real() * 6.283, reach = rng.real() * 0.55;
      const double x = b.x + std::cos(angle) * b.rx * reach, y = b.y + std::sin(angle) * b.ry * reach;
      const double rx = rng.range(2, style == LakeStyle::Highland ? 6 : 4), ry = rng.range(2, 4);
      for (int c = static_cast<int>(x - rx - 1); c <= static_cast<int>(x + rx + 1); ++c)
        for (int r = static_cast<int>(y - ry - 1); r <= static_cast<int>(y + ry + 1); ++r) {
          const double u = (c - x) / rx, v = (r - y) / ry;
          if (u * u + v * v <= 1.0 + 0.3 * (noise.at(c * 3.1, r * 3.1, 4) - 0.5)) setWater(c, r, false);
        }
    }
    smooth();
    smooth();
  }

  void disc(double x, double y, double radius, bool w) {
    for (int c = static_cast<int>(x - radius - 1); c <= static_cast<int>(x + radius + 1); ++c)
      for (int r = static_cast<int>(y - radius - 1); r <= static_cast<int>(y + radius + 1); ++r)
        if ((c - x) * (c - x) + (r - y) * (r - y) <= radius * radius + 0.25) setWater(c, r, w);
  }

  // Majority of each 3 x 3 block: rounds off ragged shores.
  void smooth() {
    Field<std::uint8_t> next = water;
    for (int c = 1; c < N - 1; ++c)
      for (int r = 1; r < N - 1; ++r) {
        int n = 0;
        for (int dc = -1; dc <= 1; ++dc)
          for (int dr = -1; dr <= 1; ++dr) n += water.at(c + dc, r + dr);
        next.at(c, r) = n >= 5 ? 1 : 0;
      }
    water = next;
  }

  // --- The narrows and their bridge ---

  struct BridgeSite {
    bool horizontalChannel;  // water runs east-west, the deck north-south
    int c, r;                // middle of the channel under the deck
  };
  std::vector<BridgeSite> bridges;

  // Joins basins a and b by a channel along one axis, then the other.
  // Returns the best bridge site of its straight legs: the point farthest
  // from open water of the basins.
  std::optional<BridgeSite> narrows(const Basin& a, const Basin& b) {
    const int ax = static_cast<int>(a.x), ay = static_cast<int>(a.y);
    const int bx = static_cast<int>(b.x), by = static_cast<int>(b.y);
    const bool horizontal = std::abs(bx - ax) >= std::abs(by - ay);
    std::optional<BridgeSite> best;
    double bestField = 0;
    auto consider = [&](bool horizontalChannel, int c, int r) {
      double f = -10;
      for (int k = -7; k <= 7; ++k) f = std::max(f, horizontalChannel ? basinField(c + k, r) : basinField(c, r + k));
      if (!best || f < bestField) {
        best = BridgeSite{horizontalChannel, c, r};
        bestField = f;
      }
    };
    if (horizontal) {
      const int mid = (ax + bx) / 2;
      for (int c = std::min(ax, mid); c <= std::max(ax, mid); ++c) {
        band(c, ay, true);
        consider(true, c, ay);
      }
      for (int r = std::min(ay, by); r <= std::max(ay, by); ++r) band(mid, r, false);
      for (int c = std::min(mid, bx); c <= std::max(mid, bx); ++c) {
        band(c, by, true);
        consider(true, c, by);
      }
    } else {
      const int mid = (ay + by) / 2;
      for (int r = std::min(ay, mid); r <= std::max(ay, mid); ++r) {
        band(ax, r, false);
        consider(false, ax, r);
      }
      for (int c = std::min(ax, bx); c <= std::max(ax, bx); ++c) band(c, mid, true);
      for (int r = std::min(mid, by); r <= std::max(mid, by); ++r) {
        band(bx, r, false);
        consider(false, bx, r);
      }
    }
    return best;
  }

  void band(int c, int r, bool horizontal) {
    // The banks wander a little, except where they run straight for a bridge.
    const double wander = noise.at(c * 1.0, r * 1.0, 5);
    const int lo = wander < 0.3 ? -3 : -2, hi = wander > 0.7 ? 3 : 2;
    for (int k = lo; k <= hi; ++k) {
      const int x = horizontal ? c : c + k, y = horizontal ? r + k : r;
      setWater(x, y, true);
      if (Inside(x, y)) channel.at(x, y) = 1;
    }
  }

  // A natural bridge site: a straight channel of five cells of water between
  // straight banks, seven cells long. Sites near the marina are skipped.
  std::optional<BridgeSite> findBridgeSite() const {
    auto fits = [&](bool horizontal, int c, int r) {
      for (int along = -3; along <= 3; ++along)
        for (int across = -3; across <= 3; ++across) {
          const int x = horizontal ? c + along : c + across, y = horizontal ? r + across : r + along;
          const bool w = std::abs(across) <= 2;
          if (!Inside(x, y) || isWater(x, y) != w || reserved.at(x, y)) return false;
        }
      return std::abs(c - marinaCol) > 16 || std::abs(r - marinaRow) > 16;
    };
    for (int c = 12; c < N - 12; ++c)
      for (int r = 12; r < N - 12; ++r) {
        if (fits(true, c, r)) return BridgeSite{true, c, r};
        if (fits(false, c, r)) return BridgeSite{false, c, r};
      }
    return std::nullopt;
  }

  // Straight banks for 13 cells around the bridge: 3 cells of water between
  // shore rows, land beyond.
  void straightChannel(const BridgeSite& site) {
    const bool horizontal = site.horizontalChannel;
    const int c = site.c, r = site.r;
    for (int along = -6; along <= 6; ++along)
      for (int across = -6; across <= 6; ++across) {
        const bool w = std::abs(across) <= 2;
        const bool bank = std::abs(along) <= 4;
        if (!w && !bank) continue;
        horizontal ? setWater(c + along, r + across, w) : setWater(c + across, r + along, w);
      }
    bridges.push_back(site);
  }

  // --- The marina ---

  int marinaCol = 0, marinaRow = 0;  // first water row below the marina's bank

  void marinaSite() {
    // The basin with the most open water; the marina sits on its north shore,
    // where its bank cuts no channel.
    const Basin* best = &basins[0];
    for (const Basin& b : basins)
      if (b.rx * b.ry > best->rx * best->ry) best = &b;
    int c = static_cast<int>(best->x), r = 0;
    for (int shift : {0, 4, -4, 8, -8, 12, -12, 16, -16, 20, -20}) {
      const int x = static_cast<int>(best->x) + shift;
      int y = static_cast<int>(best->y);
      while (y > kBorder + 8 && isWater(x, y - 1)) --y;
      y = std::max(y, kBorder + 9);
      bool clear = true;
      for (int dc = -11; dc <= 11 && clear; ++dc)
        for (int dr = -8; dr <= -1 && clear; ++dr)
          if (Inside(x + dc, y + dr) && channel.at(x + dc, y + dr)) clear = false;
      c = x;
      r = y;
      if (clear) break;
    }
    marinaCol = c;
    marinaRow = r;
    for (int dc = -10; dc <= 10; ++dc) {
      for (int dr = -7; dr <= -1; ++dr) setWater(c + dc, r + dr, false);
      for (int dr = 0; dr <= 7; ++dr) setWater(c + dc, r + dr, true);
    }
  }

  // --- Clean-up: one body of water, no puddles ---

  void edges() {
    for (int c = 0; c < N; ++c)
      for (int r = 0; r < N; ++r)
        if (c < kBorder || r < kBorder || c >= N - kBorder || r >= N - kBorder) water.at(c, r) = 0;
  }

  void keepLargestWater() {
    Field<int> label;
    label.fill(0);
    int best = 0, bestSize = 0, next = 0;
    for (int c = 0; c < N; ++c)
      for (int r = 0; r < N; ++r) {
        if (!water.at(c, r) || label.at(c, r)) continue;
        const int id = ++next;
        int size = 0;
        std::deque<std::pair<int, int>> q{{c, r}};
        label.at(c, r) = id;
        while (!q.empty()) {
          auto [x, y] = q.front();
          q.pop_front();
          ++size;
          for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
            if (isWater(x + dx, y + dy) && !label.at(x + dx, y + dy)) {
              label.at(x + dx, y + dy) = id;
              q.push_back({x + dx, y + dy});
            }
        }
        if (size > bestSize) {
          bestSize = size;
          best = id;
        }
      }
    for (int c = 0; c < N; ++c)
      for (int r = 0; r < N; ++r)
        if (water.at(c, r) && label.at(c, r) != best) water.at(c, r) = 0;
  }

  void fillPuddles() {
    for (bool changed = true; changed;) {
      changed = false;
      for (int c = 1; c < N - 1; ++c)
        for (int r = 1; r < N - 1; ++r)
          if (water.at(c, r) && !isWater(c - 1, r) && !isWater(c + 1, r) && !isWater(c, r - 1) && !isWater(c, r + 1)) {
            water.at(c, r) = 0;
            changed = true;
          }
    }
  }

  void measureDistances() {
    std::deque<std::pair<int, int>> q;
    for (int c = 0; c < N; ++c)
      for (int r = 0; r < N; ++r) {
        dist.at(c, r) = water.at(c, r) ? -1 : 0;
        if (!water.at(c, r)) q.push_back({c, r});
      }
    while (!q.empty()) {
      auto [x, y] = q.front();
      q.pop_front();
      for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
          if (Inside(x + dx, y + dy) && dist.at(x + dx, y + dy) < 0) {
            dist.at(x + dx, y + dy) = dist.at(x, y) + 1;
            q.push_back({x + dx, y + dy});
          }
    }
  }

  // --- Depths: shallow shores, deeper towards the middle of the basins ---

  void shapeDepths() {
    maxDepth = style == LakeStyle::Highland ? 60 : style == LakeStyle::Reservoir ? 42 : 22;
    const double slope = style == LakeStyle::Highland ? 3.2 : style == LakeStyle::Reservoir ? 2.4 : 1.1;
    for (int c = 0; c < N; ++c)
      for (int r = 0; r < N; ++r) {
        const int d = dist.at(c, r);
        if (d == 0) {
          depth.at(c, r) = 0;
          continue;
        }
        const double flats = noise.fbm(c + 300, r + 300, 22, 3);  // shallow bars and flats where high
        double feet = 1.5 + (d - 1) * slope * (flats > 0.62 ? 0.35 : 1.0);
        feet += (noise.fbm(c, r + 500, 9, 2) - 0.5) * 4;
        depth.at(c, r) = static_cast<std::uint8_t>(std::clamp(static_cast<int>(feet), 1, maxDepth - 1));
      }
  }

  // --- Tiles ---

  std::uint8_t landMask(int c, int r) const {
    std::uint8_t m = 0;
    auto land = [&](int dc, int dr) { return !isWater(c + dc, r + dr); };
    if (land(0, -1)) m |= kN;
    if (land(1, 0)) m |= kE;
    if (land(0, 1)) m |= kS;
    if (land(-1, 0)) m |= kW;
    if (land(1, -1)) m |= kNE;
    if (land(1, 1)) m |= kSE;
    if (land(-1, 1)) m |= kSW;
    if (land(-1, -1)) m |= kNW;
    return CanonicalLandMask(m);
  }

  void baseTiles() {
    for (int c = 0; c < N; ++c)
      for (int r = 0; r < N; ++r) {
        if (water.at(c, r)) {
          const int v = ShoreTileFor(landMask(c, r));
          grid.at(c, r) = static_cast<std::uint8_t>(v < 0 ? 0 : v);
          continue;
        }
        grid.at(c, r) = landTile(c, r);
      }
  }

  std::uint8_t landTile(int c, int r) {
    const double woods = noise.fbm(c + 900, r + 900, 14, 3);
    const double open = noise.fbm(c + 1700, r + 100, 6, 2);
    const bool nearWater = isWater(c - 1, r) || isWater(c + 1, r) || isWater(c, r - 1) || isWater(c, r + 1);
    if (woods > 0.55 && !nearWater) return rng.chance(0.85) ? (style == LakeStyle::Highland ? 155 : 154) : 199;
    if (woods > 0.5) return rng.chance(0.5) ? 156 : rng.chance(0.5) ? 157 : 199;
    if (style == LakeStyle::Highland && open > 0.66) return rng.chance(0.6) ? 195 : 152;
    if (style == LakeStyle::Marsh && open > 0.6) return 153;
    if (nearWater && open < 0.3) return rng.chance(0.5) ? 159 : 194;
    const int roll = rng(20);
    if (roll < 11) return 150;
    if (roll < 14) return 151;
    if (roll < 16) return 158;
    if (roll < 18) return 153;
    return 152;
  }

  void put(int c, int r, int v) {
    if (Inside(c, r)) grid.at(c, r) = static_cast<std::uint8_t>(v);
    reserve(c, r);
  }

  // A road from (c, r) away from the water in direction (dc, dr) for up to
  // `length` land cells; the last cell is a road end.
  void road(int c, int r, int dc, int dr, int length) {
    const bool ns = dc == 0;
    int k = 0;
    for (; k < length; ++k) {
      const int x = c + dc * k, y = r + dr * k;
      const int nx = x + dc, ny = y + dr;
      const bool last = k == length - 1 || !Inside(nx, ny) || isWater(nx, ny) || nx < kBorder || ny < kBorder ||
                        nx >= N - kBorder || ny >= N - kBorder || isWater(nx + (ns ? 1 : 0), ny + (ns ? 0 : 1)) ||
                        isWater(nx - (ns ? 1 : 0), ny - (ns ? 0 : 1));
      if (last) {
        // The road's end runs on back towards where it came from.
        const int back = ns ? (dr < 0 ? 177 : 175) : (dc < 0 ? 176 : 178);
        put(x, y, back);
        return;
      }
      put(x, y, ns ? 165 : 164);
    }
  }

  void buildBridges() {
    for (const BridgeSite& b : bridges) {
      if (b.horizontalChannel) {
        put(b.c, b.r - 2, 79);
        put(b.c, b.r - 1, 77);
        put(b.c, b.r, 77);
        put(b.c, b.r + 1, 77);
        put(b.c, b.r + 2, 160);
        road(b.c, b.r - 3, 0, -1, 8);
        road(b.c, b.r + 3, 0, 1, 8);
        put(b.c - 4, b.r, kNoWakeBuoyTile);
        put(b.c + 4, b.r, kNoWakeBuoyTile);
        for (int k = -5; k <= 5; ++k)
          for (int a = -2; a <= 2; ++a) reserve(b.c + k, b.r + a);
      } else {
        put(b.c - 2, b.r, 161);
        put(b.c - 1, b.r, 78);
        put(b.c, b.r, 78);
        put(b.c + 1, b.r, 78);
        put(b.c + 2, b.r, 162);
        road(b.c - 3, b.r, -1, 0, 8);
        road(b.c + 3, b.r, 1, 0, 8);
        put(b.c, b.r - 4, kNoWakeBuoyTile);
        put(b.c, b.r + 4, kNoWakeBuoyTile);
        for (int k = -5; k <= 5; ++k)
          for (int a = -2; a <= 2; ++a) reserve(b.c + a, b.r + k);
      }
    }
  }

  void buildMarina() {
    const int c = marinaCol, r = marinaRow;  // r: the shore row, land above
    // Keep the whole harbour clear of random cover.
    for (int dc = -11; dc <= 11; ++dc)
      for (int dr = -8; dr <= 8; ++dr) reserve(c + dc, r + dr);
    // Each marina is laid out its own way round.
    const int s = rng.chance(0.5) ? 1 : -1;
    auto at = [&](int dc, int dr, int v) { put(c + s * dc, r + dr, v); };
    flagCol = c;
    flagRow = r - 1;
    at(0, -1, kWeighInFlagTile);
    at(2, -1, kGasPumpTile);
    at(3, -1, kGasPumpTile);
    at(4, -1, 198);
    at(5, -1, rng.chance(0.5) ? 191 : 186);  // bait and tackle shop or a cabin
    // Boat ramp and the road that serves it.
    at(-2, -1, 182);
    at(-2, 0, 35);
    road(c - 2 * s, r - 2, 0, -1, rng.range(4, 7));
    // Parking beside the ramp road, the marina building behind the flag.
    at(-1, -2, 179);
    at(0, -2, 180);
    at(1, -2, 181);
    at(2, -2, rng.chance(0.5) ? 180 : 179);
    const int b = -5 + (s < 0 ? 1 : 0);  // the 2 x 2 building keeps its own left-to-right order
    put(c + s * b - (s < 0 ? 1 : 0), r - 3, 187);
    put(c + s * b - (s < 0 ? 1 : 0) + 1, r - 3, 188);
    put(c + s * b - (s < 0 ? 1 : 0), r - 2, 189);
    put(c + s * b - (s < 0 ? 1 : 0) + 1, r - 2, 190);
    at(-4, -1, 198);
    at(-3, -1, 198);
    at(-1, -1, 192);
    // Docks along the harbour's shore with boats moored off them.
    for (int dc : {-8, -6, 6, 8})
      if (rng.chance(0.8)) at(dc, 0, 30);
    const int moored = rng.range(3, 6);
    for (int k = 0; k < moored; ++k) {
      const int dc = rng.chance(0.5) ? rng.range(4, 9) : -rng.range(4, 9);
      at(dc, rng.range(2, 4), rng.range(64, 67));
    }
    // The harbour is a no-wake zone: buoys across its mouth.
    for (int dc = -9; dc <= 9; dc += 3) at(dc, 6, kNoWakeBuoyTile);
  }

  // --- Cover ---

  bool openAround(int c, int r) const {
    for (int dc = -1; dc <= 1; ++dc)
      for (int dr = -1; dr <= 1; ++dr)
        if (!isWater(c + dc, r + dr)) return false;
    return true;
  }

  void shoreCover() {
    for (int c = 0; c < N; ++c)
      for (int r = 0; r < N; ++r) {
        if (!water.at(c, r) || !free(c, r)) continue;
        const int v = grid.at(c, r);
        const double veg = noise.fbm(c + 40, r + 40, 12, 3);
        const double rock = noise.fbm(c + 70, r + 10, 10, 3);
        const double cabins = noise.fbm(c + 10, r + 90, 18, 2);
        int side = -1;  // 0 N, 1 E, 2 S, 3 W for single-side shore
        if (v >= 1 && v <= 4) side = v - 1;
        if (side >= 0) {
          if (cabins > 0.68 && rng.chance(0.25)) {
            const int dx[] = {0, 1, 0, -1}, dy[] = {-1, 0, 1, 0};
            const int lc = c + dx[side], lr = r + dy[side];
            if (Inside(lc, lr) && free(lc, lr) && grid.at(lc, lr) >= 150 && grid.at(lc, lr) < 160) {
              put(c, r, 30 + side);
              put(lc, lr, rng.range(183, 186));
              continue;
            }
          }
          const double weedy = style == LakeStyle::Marsh ? 0.45 : 0.55;
          if (veg > weedy && rng.chance(0.55)) {
            grid.at(c, r) = static_cast<std::uint8_t>(rng.chance(0.55) ? 44 + side : 52 + side);
          } else if (rock > (style == LakeStyle::Highland ? 0.5 : 0.6) && rng.chance(0.6)) {
            grid.at(c, r) = static_cast<std::uint8_t>(140 + side);
          } else if ((side == 0 || side == 2) && rng.chance(0.05)) {
            grid.at(c, r) = static_cast<std::uint8_t>(side == 0 ? 15 : 20);
          }
        } else if (v == 5 && veg > 0.5 && rng.chance(0.5)) {
          grid.at(c, r) = 48;
        } else if (v == 7 && veg > 0.5 && rng.chance(0.5)) {
          grid.at(c, r) = 49;
        }
      }
  }

  void openWaterCover() {
    const double density = style == LakeStyle::Marsh ? 1.6 : style == LakeStyle::Highland ? 0.8 : 1.0;
    for (int c = 0; c < N; ++c)
      for (int r = 0; r < N; ++r) {
        if (grid.at(c, r) != 0 || !free(c, r) || !openAround(c, r)) continue;
        const int d = dist.at(c, r);
        const int feet = depth.at(c, r);
        const double veg = noise.fbm(c + 40, r + 40, 12, 3);
        const double timber = noise.fbm(c + 123, r + 321, 16, 3);
        const double rock = noise.fbm(c + 70, r + 10, 10, 3);
        const double u = rng.real() / density;
        int v = 0;
        if (feet <= 6 && veg > 0.5) {
          if (d == 2 && u < 0.35)
            v = rng.pick(std::array{21, 22, 23, 24, 25, 108, 109, 116, 117, 125, 126});
          else if (u < 0.18)
            v = rng.pick(std::array{26, 27, 28, 29, 115, 147, 148});
        }
        // Flats: sandy shallows and submerged weeds dotted over the patches
        // where the bottom comes up, away from the banks.
        if (v == 0 && d >= 3 && noise.fbm(c + 300, r + 300, 22, 3) > 0.62 && u < 0.25) {
          v = u < 0.17 ? 102 : 115;
          depth.at(c, r) = static_cast<std::uint8_t>(std::min<int>(depth.at(c, r), 2 + rng(4)));
        }
        // Deep holes, where the lake's depths are measured.
        if (v == 0 && measured && feet >= maxDepth * 2 / 3 && u < 0.03) v = 86;
        if (v == 0) {
          if (feet <= 12 && timber > 0.6 && style != LakeStyle::Highland) {
            if (u < 0.13) v = rng.pick(std::array{70, 75, 110, 111, 112, 113, 114, 120, 63, 76});
            if (d == 2 && u < 0.04) v = 94;  // a beaver lodge by the bank
          } else if (rock > 0.6 && u < 0.09) {
            v = rng.pick(std::array{34, 71, 72, 73, 74});
          } else if (feet <= 8 && u < 0.02) {
            v = rng.pick(std::array{63, 92, 93, 119, 110});
          } else if (d >= 8 && u < 0.004) {
            v = rng.pick(std::array{95, 149, 90});
          }
        }
        // Solid cover keeps a cell of open water around it, so that no
        // wall of stumps or rocks closes a passage.
        if (v && Tile(v).kind == TileKind::Obstacle && solidNear(c, r)) v = 0;
        if (v) grid.at(c, r) = static_cast<std::uint8_t>(v);
      }
  }

  bool solidNear(int c, int r) const {
    for (int dc = -1; dc <= 1; ++dc)
      for (int dr = -1; dr <= 1; ++dr)
        if ((dc || dr) && Inside(c + dc, r + dr)) {
          const TileKind k = Tile(grid.at(c + dc, r + dr)).kind;
          if (k == TileKind::Obstacle || k == TileKind::MooredBoat || k == TileKind::NoWakeBuoy) return true;
        }
    return false;
  }
};

}  // namespace

LakeStyle StyleForSeed(std::uint32_t seed) {
  return static_cast<LakeStyle>(seed % 3);
}

std::optional<LakeStyle> ParseLakeStyle(const std::string& name) {
  if (name == "reservoir") return LakeStyle::Reservoir;
  if (name == "highland") return LakeStyle::Highland;
  if (name == "marsh") return LakeStyle::Marsh;
  return std::nullopt;
}

GeneratedLake GenerateLake(std::uint32_t seed, const std::string& name, LakeStyle style, bool measuredDepths) {
  Builder b(seed, style);
  b.measured = measuredDepths;
  b.reserved.fill(0);
  b.channel.fill(0);
  b.planBasins();
  b.shapeWater();
  // Channels join the basins.
  std::optional<Builder::BridgeSite> fallback;
  for (size_t i = 1; i < b.basins.size(); ++i) {
    const size_t from = style == LakeStyle::Highland ? 0 : i - 1;
    const std::optional<Builder::BridgeSite> site = b.narrows(b.basins[from], b.basins[i]);
    if (site && !fallback) fallback = site;
  }
  b.marinaSite();
  b.edges();
  b.keepLargestWater();
  b.fillPuddles();
  // The road bridge crosses the first straight narrows; where the water
  // offers none, the banks of a channel are straightened for it.
  std::optional<Builder::BridgeSite> bridge = b.findBridgeSite();
  if (!bridge && fallback) {
    b.straightChannel(*fallback);
    b.edges();
    b.keepLargestWater();
    b.fillPuddles();
  } else if (bridge) {
    b.bridges.push_back(*bridge);
  }
  b.measureDistances();
  b.shapeDepths();
  b.baseTiles();
  b.buildMarina();
  b.buildBridges();
  b.shoreCover();
  b.openWaterCover();

  GeneratedLake lake;
  lake.name = name;
  static const char* kDescriptions[] = {
      "A reservoir of linked basins along a flooded valley: creek arms, timber and a road bridge over the narrows.",
      "A deep, clear highland lake: rocky points, islands and steep drop-offs around one big basin.",
      "A shallow marsh lake: flats, weed beds, lily pads and flooded timber in four basins."};
  lake.line2 = kDescriptions[static_cast<int>(style)];
  lake.line3 = "Made with lwk-lake from seed " + std::to_string(seed) + ".";
  lake.maxDepth = b.maxDepth;
  lake.species = style == LakeStyle::Highland ? "LSTWKH" : style == LakeStyle::Marsh ? "LPEBDK" : "LSPTHDW";
  lake.grid = b.grid;
  if (measuredDepths) {
    lake.depths = b.depth;
    // Land, bridges over land and buildings have no water.
    for (int c = 0; c < N; ++c)
      for (int r = 0; r < N; ++r)
        if (lake.grid.at(c, r) >= kFirstLandTile) lake.depths->at(c, r) = 0;
  }
  return lake;
}

std::string FormatDepthText(const CellGrid<std::uint8_t>& depths) {
  std::string out;
  out.reserve(120000);
  for (int r = 0; r < N; ++r) {
    for (int c = 0; c < N; ++c) {
      if (c) out += ',';
      out += std::to_string(depths.at(c, r));
    }
    out += "\r\n";
  }
  return out;
}

}  // namespace lwk
