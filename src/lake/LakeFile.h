#pragma once
// The lake file (.LAK): a text file of 206 lines. Line 1 is the lake's name,
// lines 2 and 3 free text, line 4 the deepest water in feet, line 5 the
// species letters, line 6 the checksum, lines 7 ... 206 the 200 grid rows as
// comma-separated tile values. The checksum is the sum of the character codes
// of the kept name, lines 2 ... 5 and the decimal text of every grid value,
// written as upper-case hexadecimal of at least six digits.
//
// The parsing and writing here are pure functions on text and grids; the
// functions taking a Game put a parsed lake into the running game.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lake/LakeState.h"

namespace lwk {

class Game;

constexpr int kLakeNameMax = 65;      // characters of line 1 that are kept
constexpr int kDefaultMaxDepth = 30;  // when line 4 is not a number
constexpr int kLakeFileLines = 206;

// The species letters of line 5, index = species number.
constexpr std::array<char, kSpeciesCount> kSpeciesLetters{'L', 'S', 'P', 'T', 'H', 'K', 'E', 'D', 'B', 'W'};
// The species names the game prints, index = species number.
extern const std::array<const char*, kSpeciesCount> kSpeciesNames;

// Splits text into lines at line feeds, dropping a carriage return before
// each; a final line break does not start another line.
std::vector<std::string_view> SplitLines(std::string_view text);

// Parses one row of 200 comma-separated values 0 ... 255 (the 200th value is
// everything after the 199th comma). On failure returns the problem.
std::optional<std::string> ParseCellRow(std::string_view line, int row, CellGrid<std::uint8_t>& grid);

// A lake file as read, before it becomes the game's lake.
struct LakeFileData {
  std::string LakeName;  // line 1, first 65 characters
  std::string Line2, Line3;
  std::string MaxDepthLine;
  int LakeMaxDepth = kDefaultMaxDepth;
  std::string SpeciesLine;
  std::array<bool, kSpeciesCount> SpeciesPresent{};
  std::string LakeChecksum;      // first 6 characters of line 6
  std::string ComputedChecksum;  // what line 6 should begin with
  CellGrid<std::uint8_t> LakeGrid;
  // Every read or conversion fault, one line each (empty when the file reads).
  std::vector<std::string> problems;

  bool checksumMatches() const { return LakeChecksum == ComputedChecksum; }
  bool anySpecies() const;
  // Reads cleanly, the checksum matches and at least one species lives here.
  bool loads() const { return problems.empty() && checksumMatches() && anySpecies(); }
};

// Reads a lake file's text. Always returns the data read so far and the
// checksum computed over what was stored; faults are listed in problems.
LakeFileData ParseLakeText(std::string_view text);

// The checksum text (upper-case hexadecimal, at least 6 digits) of a lake.
std::string ComputeLakeChecksum(const std::string& keptName, std::string_view line2, std::string_view line3,
                                std::string_view line4, std::string_view line5, const CellGrid<std::uint8_t>& grid);

// Writes a complete lake file (CRLF lines) with the right checksum.
std::string FormatLakeText(const std::string& name, const std::string& line2, const std::string& line3, int maxDepth,
                           const std::string& speciesLine, const CellGrid<std::uint8_t>& grid);

// Rewrites line 6 of a lake file's text with the checksum its content needs,
// keeping every other byte. nullopt when the text has fewer than 6 lines.
std::optional<std::string> SignLakeText(std::string_view text);

// The first cell of the value in row-by-row scan order (row 0 first, then
// column 0 first within a row), or (255, 255).
CellPos FindFirstCell(const CellGrid<std::uint8_t>& grid, std::uint8_t value);
// The first three gas pumps in the same scan order; unused pairs (255, 255).
std::array<CellPos, 3> FindGasPumpCells(const CellGrid<std::uint8_t>& grid);

// Writes the edge markers: 254 down the last column, then 253 along the
// last row (the corner ends as 253).
void WriteEdgeMarkers(CellGrid<std::uint8_t>& grid);

// The files named after a lake: its own extension replaced.
std::string LakeMapPathFor(const std::string& lakePath);
// The depth file beside a lake: the existing file named like the lake with
// the extension ".dpt" in any letter case, else the lower-case name.
std::string DepthFilePathFor(const std::string& lakePath);

// --- The running game ---

// Reads the lake file into the game's lake (name, depth, species, grid), then
// writes the edge markers. False when the file cannot be read, holds a fault,
// its checksum does not match or it names no species; the game's lake is then
// left as it was (nothing half-loaded is used).
bool LoadLakeFile(Game& g, const std::string& path);
// Sets WeighInCol/WeighInRow; shows "ERROR: Unable to find WEIGH-IN flag on
// lake!" when there is none. True when found.
bool FindWeighInFlag(Game& g);
// Fills GasPumps; tells the player when the lake has none.
void FindGasPumps(Game& g);

}  // namespace lwk
