#pragma once
// Shared helpers of the data tests: the shipped tiles, loaded once, and the
// water colour table the game builds from them.

#include <QImage>
#include <array>
#include <string>

#include "lake/WaterColours.h"
#include "shell/Pictures.h"

namespace lwk::test {

inline const std::string& GameFolder() {
  static const std::string folder = LWK_GAME_DIR;
  return folder;
}

// IM0 .. IM255 as the game loads them (a missing tile stays null).
inline const std::array<QImage, 256>& ShippedTiles() {
  static const std::array<QImage, 256> tiles = [] {
    std::array<QImage, 256> t;
    for (int v = 0; v < 256; ++v)
      t[static_cast<std::size_t>(v)] = LoadGamePicture(GameFolder(), "IM" + std::to_string(v));
    return t;
  }();
  return tiles;
}

inline const WaterColourTable& ShippedWaterColours() {
  static const WaterColourTable table = BuildWaterColourTable(ShippedTiles());
  return table;
}

inline bool IsWater(int tile, int x, int y) {
  return IsWaterColour(ShippedWaterColours(), ShippedTiles()[static_cast<std::size_t>(tile)].pixel(x, y));
}

}  // namespace lwk::test
