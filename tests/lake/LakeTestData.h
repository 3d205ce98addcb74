#pragma once
// Small lakes for the tests, written as the game's own files.

#include <QImage>
#include <array>
#include <string>

#include "lake/LakeFile.h"
#include "shell/CellGrid.h"
#include "shell/Files.h"

namespace lwk::testdata {

// Open water everywhere, the weigh-in flag at (50, 50) and a gas pump at
// (60, 50).
inline CellGrid<std::uint8_t> OpenLakeGrid() {
  CellGrid<std::uint8_t> g;
  g.fill(0);
  g.at(50, 50) = 255;
  g.at(60, 50) = 163;
  return g;
}

// A complete, signed lake file.
inline std::string LakeText(const CellGrid<std::uint8_t>& g, const std::string& species = "LSB",
                            const std::string& name = "Test Lake", int maxDepth = 30) {
  return FormatLakeText(name, "line two", "line three", maxDepth, species, g);
}

inline void WriteText(const std::string& path, const std::string& text) {
  WriteFileAtomically(path, text);
}

// Tiles of one flat colour each: water tiles blue shades, land green.
inline std::array<QImage, 256> FlatTiles() {
  std::array<QImage, 256> tiles;
  for (int v = 0; v < 256; ++v) {
    QImage t(32, 32, QImage::Format_RGB32);
    t.fill(v < 150 ? qRgb(0, 40, 120 + v % 100) : qRgb(30, 140 + v % 100, 30));
    tiles[static_cast<size_t>(v)] = t;
  }
  return tiles;
}

}  // namespace lwk::testdata
