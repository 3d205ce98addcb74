#include "lake/WaterColours.h"

#include <algorithm>

namespace lwk {

namespace {

struct ScanArea {
  int tile;
  int width;   // pixels scanned in x: 0 .. width - 1
  int height;  // pixels scanned in y: 0 .. height - 1
};

// The water tiles in scan order; tile 88 contributes only its top-left
// 19 x 17 pixels (the rest of it is not water).
constexpr ScanArea kScan[] = {{0, 32, 32},   {21, 32, 32},  {22, 32, 32},  {26, 32, 32}, {27, 32, 32},
                              {28, 32, 32},  {29, 32, 32},  {86, 32, 32},  {88, 19, 17}, {91, 32, 32},
                              {102, 32, 32}, {115, 32, 32}, {147, 32, 32}, {148, 32, 32}};

}  // namespace

WaterColourTable BuildWaterColourTable(const std::array<QImage, 256>& tiles) {
  WaterColourTable t;
  t.colours.fill(-1);
  int count = 0;
  for (const ScanArea& a : kScan) {
    const QImage& img = tiles[static_cast<std::size_t>(a.tile)];
    if (img.isNull()) continue;
    const int w = std::min(a.width, img.width());
    const int h = std::min(a.height, img.height());
    for (int x = 0; x < w; ++x) {
      for (int y = 0; y < h; ++y) {
        const auto c = static_cast<std::int32_t>(img.pixel(x, y) & 0xFFFFFFu);
        bool known = false;
        for (int i = 0; i < count && !known; ++i) known = t.colours[static_cast<std::size_t>(i)] == c;
        if (!known && count < kWaterColourSlots) t.colours[static_cast<std::size_t>(count++)] = c;
      }
    }
  }
  t.last = count - 1;
  return t;
}

bool IsWaterColour(const WaterColourTable& table, QRgb colour) {
  const auto c = static_cast<std::int32_t>(colour & 0xFFFFFFu);
  for (int i = 0; i <= table.last; ++i)
    if (table.colours[static_cast<std::size_t>(i)] == c) return true;
  return false;
}

}  // namespace lwk
