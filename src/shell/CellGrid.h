#pragma once
// A per-cell table of the 200 x 200 lake, indexed [column][row] like the lake
// file and the saved game (all rows of column 0 first).

#include <array>
#include <cassert>
#include <cstdint>

namespace lwk {

constexpr int kLakeCells = 200;  // columns and rows of every lake
constexpr int kTilePixels = 32;  // a cell is 32 x 32 pixels of the view

// True when (column, row) names a cell of the lake.
constexpr bool InLake(int col, int row) {
  return col >= 0 && col < kLakeCells && row >= 0 && row < kLakeCells;
}

// A cell coordinate kept in one byte: a value outside 0..255 is stored as 0.
constexpr std::uint8_t CellByte(int v) {
  return (v < 0 || v > 255) ? 0 : static_cast<std::uint8_t>(v);
}

// Integer division truncating toward zero, as view pixels become cells.
constexpr int DivTrunc(int a, int b) {
  return a / b;
}

template <typename T>
struct CellGrid {
  std::array<T, kLakeCells * kLakeCells> cells{};

  static constexpr int index(int col, int row) { return col * kLakeCells + row; }

  // Precondition: InLake(col, row).
  T& at(int col, int row) {
    assert(InLake(col, row));
    return cells[index(col, row)];
  }
  const T& at(int col, int row) const {
    assert(InLake(col, row));
    return cells[index(col, row)];
  }
  void fill(const T& v) { cells.fill(v); }
};

}  // namespace lwk
