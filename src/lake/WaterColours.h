#pragma once
// The table of open-water colours by which the game decides, pixel by pixel,
// whether a point of the lake view is water (WaterTest). It is built from the
// tile pictures of the lake's water tiles.

#include <QImage>
#include <QRgb>
#include <array>
#include <cstdint>

namespace lwk {

constexpr int kWaterColourSlots = 60;

struct WaterColourTable {
  // Colours as 0xRRGGBB; unused slots hold -1.
  std::array<std::int32_t, kWaterColourSlots> colours;
  // Index of the last used slot (the number of colours - 1; -1 when empty).
  int last = -1;
};

// Scans tiles 0, 21, 22, 26, 27, 28, 29, 86 (every pixel), tile 88 (only
// x 0..18, y 0..16), then tiles 91, 102, 115, 147, 148 (every pixel), column
// by column (x outer, y inner), storing each colour not seen before in the
// next free slot; once all 60 slots are taken further new colours are
// ignored. A missing (null) tile contributes nothing.
WaterColourTable BuildWaterColourTable(const std::array<QImage, 256>& tiles);

// Whether `colour` (alpha ignored) is one of the table's colours.
bool IsWaterColour(const WaterColourTable& table, QRgb colour);

}  // namespace lwk
