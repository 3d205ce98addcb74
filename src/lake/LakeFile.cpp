#include "lake/LakeFile.h"

#include <charconv>
#include <cstdio>

#include "boat/Gps.h"
#include "boat/Traffic.h"
#include "shell/Files.h"
#include "shell/Game.h"

namespace lwk {

const std::array<const char*, kSpeciesCount> kSpeciesNames{
    "Largemouth",    "Smallmouth", "Spotted Bass", "Striped Bass", "White Bass",
    "Northern Pike", "Pickerel",   "Drum",         "Bowfin",       "Walleye"};

namespace {

// Sum of the character codes of a value's decimal text ("123" adds 49+50+51).
constexpr std::array<int, 256> kDigitSums = [] {
  std::array<int, 256> sums{};
  for (int v = 0; v < 256; ++v) {
    int s = 0;
    int n = v;
    do {
      s += '0' + n % 10;
      n /= 10;
    } while (n > 0);
    sums[static_cast<size_t>(v)] = s;
  }
  return sums;
}();

int CharSum(std::string_view s) {
  int sum = 0;
  for (char c : s) sum += static_cast<unsigned char>(c);
  return sum;
}

// A tile value: one or more decimal digits, 0 ... 255.
std::optional<int> ParseCellValue(std::string_view s) {
  if (s.empty() || s.size() > 8) return std::nullopt;
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  if (v > 255) return std::nullopt;
  return v;
}

// A decimal integer with an optional sign and nothing else.
std::optional<int> ParseWholeInt(std::string_view s) {
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty()) return std::nullopt;
  int v = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

std::string LineText(int lineNo) {
  return "line " + std::to_string(lineNo) + ": ";
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t nl = text.find('\n', start);
    size_t end = nl == std::string_view::npos ? text.size() : nl;
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (nl == std::string_view::npos) break;
    start = nl + 1;
  }
  return lines;
}

std::optional<std::string> ParseCellRow(std::string_view line, int row, CellGrid<std::uint8_t>& grid) {
  for (int col = 0; col < kLakeCells; ++col) {
    std::string_view text;
    if (col < kLakeCells - 1) {
      size_t comma = line.find(',');
      if (comma == std::string_view::npos)
        return "only " + std::to_string(col + 1) + " of the 200 values of row " + std::to_string(row);
      text = line.substr(0, comma);
      line.remove_prefix(comma + 1);
    } else {
      text = line;
    }
    std::optional<int> v = ParseCellValue(text);
    if (!v) {
      std::string shown(text.substr(0, 20));
      return "the value \"" + shown + "\" at column " + std::to_string(col) + " of row " + std::to_string(row) +
             " is not a whole number 0 ... 255";
    }
    grid.at(col, row) = static_cast<std::uint8_t>(*v);
  }
  return std::nullopt;
}

bool LakeFileData::anySpecies() const {
  for (bool b : SpeciesPresent)
    if (b) return true;
  return false;
}

std::string ComputeLakeChecksum(const std::string& keptName, std::string_view line2, std::string_view line3,
                                std::string_view line4, std::string_view line5, const CellGrid<std::uint8_t>& grid) {
  long long sum = CharSum(keptName) + CharSum(line2) + CharSum(line3) + CharSum(line4) + CharSum(line5);
  for (std::uint8_t v : grid.cells) sum += kDigitSums[v];
  char buf[32];
  std::snprintf(buf, sizeof buf, "%06llX", sum);
  return buf;
}

LakeFileData ParseLakeText(std::string_view text) {
  LakeFileData d;
  const std::vector<std::string_view> lines = SplitLines(text);
  auto line = [&](int n) -> std::string_view {  // 1-based; empty when missing
    return n <= static_cast<int>(lines.size()) ? lines[static_cast<size_t>(n - 1)] : std::string_view();
  };
  const int lineCount = static_cast<int>(lines.size());
  if (lineCount < 6) d.problems.push_back("the file has only " + std::to_string(lineCount) + " of its 206 lines");

  d.LakeName = std::string(line(1).substr(0, kLakeNameMax));
  d.Line2 = std::string(line(2));
  d.Line3 = std::string(line(3));
  d.MaxDepthLine = std::string(line(4));
  d.LakeMaxDepth = ParseWholeInt(d.MaxDepthLine).value_or(kDefaultMaxDepth);
  d.SpeciesLine = std::string(line(5));
  for (char c : d.SpeciesLine)
    for (int s = 0; s < kSpeciesCount; ++s)
      if (c == kSpeciesLetters[static_cast<size_t>(s)]) d.SpeciesPresent[static_cast<size_t>(s)] = true;
  d.LakeChecksum = std::string(line(6).substr(0, 6));

  for (int row = 0; row < kLakeCells; ++row) {
    const int n = 7 + row;
    if (n > lineCount) {
      if (lineCount >= 6) d.problems.push_back(LineText(n) + "missing (the grid needs 200 rows)");
      break;
    }
    if (auto fault = ParseCellRow(line(n), row, d.LakeGrid)) d.problems.push_back(LineText(n) + *fault);
  }
  d.ComputedChecksum = ComputeLakeChecksum(d.LakeName, d.Line2, d.Line3, d.MaxDepthLine, d.SpeciesLine, d.LakeGrid);
  return d;
}

std::string FormatLakeText(const std::string& name, const std::string& line2, const std::string& line3, int maxDepth,
                           const std::string& speciesLine, const CellGrid<std::uint8_t>& grid) {
  const std::string kept = name.substr(0, kLakeNameMax);
  const std::string depth = std::to_string(maxDepth);
  std::string out;
  out.reserve(160000);
  for (const std::string* s : {&kept, &line2, &line3, &depth, &speciesLine}) out += *s + "\r\n";
  out += ComputeLakeChecksum(kept, line2, line3, depth, speciesLine, grid) + "\r\n";
  for (int row = 0; row < kLakeCells; ++row) {
    for (int col = 0; col < kLakeCells; ++col) {
      if (col > 0) out += ',';
      out += std::to_string(grid.at(col, row));
    }
    out += "\r\n";
  }
  return out;
}

std::optional<std::string> SignLakeText(std::string_view text) {
  // Find where line 6 starts and ends in the raw text.
  size_t start = 0;
  for (int n = 1; n < 6; ++n) {
    size_t nl = text.find('\n', start);
    if (nl == std::string_view::npos) return std::nullopt;
    start = nl + 1;
  }
  size_t end = text.find('\n', start);
  if (end == std::string_view::npos) end = text.size();
  if (end > start && text[end - 1] == '\r') --end;
  const LakeFileData d = ParseLakeText(text);
  std::string out(text.substr(0, start));
  out += d.ComputedChecksum;
  out += text.substr(end);
  return out;
}

CellPos FindFirstCell(const CellGrid<std::uint8_t>& grid, std::uint8_t value) {
  for (int row = 0; row < kLakeCells; ++row)
    for (int col = 0; col < kLakeCells; ++col)
      if (grid.at(col, row) == value) return {static_cast<std::uint8_t>(col), static_cast<std::uint8_t>(row)};
  return {};
}

std::array<CellPos, 3> FindGasPumpCells(const CellGrid<std::uint8_t>& grid) {
  std::array<CellPos, 3> pumps{};
  size_t found = 0;
  for (int row = 0; row < kLakeCells && found < pumps.size(); ++row)
    for (int col = 0; col < kLakeCells && found < pumps.size(); ++col)
      if (grid.at(col, row) == kGasPumpTile)
        pumps[found++] = {static_cast<std::uint8_t>(col), static_cast<std::uint8_t>(row)};
  return pumps;
}

void WriteEdgeMarkers(CellGrid<std::uint8_t>& grid) {
  for (int row = 0; row < kLakeCells; ++row) grid.at(kLakeCells - 1, row) = kLastColumnMarker;
  for (int col = 0; col < kLakeCells; ++col) grid.at(col, kLakeCells - 1) = kLastRowMarker;
}

std::string LakeMapPathFor(const std::string& lakePath) {
  return ReplaceExtension(lakePath, "bmp");
}

std::string DepthFilePathFor(const std::string& lakePath) {
  const std::string wanted = ReplaceExtension(lakePath, "dpt");
  const size_t slash = wanted.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : wanted.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? wanted : wanted.substr(slash + 1);
  if (FileExists(wanted)) return wanted;
  const std::string found = FindGameFile(folder, name);
  return FileExists(found) ? found : wanted;
}

bool LoadLakeFile(Game& g, const std::string& path) {
  const std::optional<std::string> text = ReadWholeFile(path);
  if (!text) return false;
  const LakeFileData d = ParseLakeText(*text);
  if (!d.problems.empty()) return false;
  if (!d.checksumMatches()) {
    g.port.setBusyCursor(false);
    return false;
  }
  // A lake no species lives in cannot be stocked.
  if (!d.anySpecies()) return false;

  LakeState& lake = g.lake;
  lake.LakeName = d.LakeName;
  lake.LakeMaxDepth = d.LakeMaxDepth;
  lake.SpeciesPresent = d.SpeciesPresent;  // this lake's species only
  lake.LakeChecksum = d.LakeChecksum;
  lake.LakeGrid = d.LakeGrid;
  lake.LakeMapPath = LakeMapPathFor(path);
  // The lake's waypoints, then the canoes and jet skis, before the edge
  // markers go down.
  LoadWaypointFile(g, lake.LakeFilePath);
  PlaceWaterTraffic(g);
  WriteEdgeMarkers(lake.LakeGrid);
  return true;
}

bool FindWeighInFlag(Game& g) {
  const CellPos flag = FindFirstCell(g.lake.LakeGrid, kWeighInFlagTile);
  g.lake.WeighInCol = flag.col;
  g.lake.WeighInRow = flag.row;
  if (flag.col == kNoCell) {
    g.Message(BoxKind::Error, "ERROR: Unable to find WEIGH-IN flag on lake!");
    return false;
  }
  return true;
}

void FindGasPumps(Game& g) {
  g.lake.GasPumps = FindGasPumpCells(g.lake.LakeGrid);
  if (g.lake.GasPumps[0].col == kNoCell) g.Message(BoxKind::Plain, "There are NO gas pumps on this lake!");
}

}  // namespace lwk
