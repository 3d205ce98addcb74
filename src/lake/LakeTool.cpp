// lwk-lake: a tool for players who make lakes, shipped beside the game.
//
//   lwk-lake check FILE.LAK      checks a lake the way the game reads it
//   lwk-lake sign FILE.LAK       writes the right checksum into line 6
//   lwk-lake generate --seed N --name TEXT [--style reservoir|highland|marsh]
//                     [--depths] OUT.LAK
//
// It uses the game's own lake code.

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "lake/Depths.h"
#include "lake/LakeFile.h"
#include "lake/LakeGenerator.h"
#include "shell/Files.h"

namespace {

using namespace lwk;

constexpr size_t kChecksumDigits = 6;  // characters of line 6 the game compares

int Usage() {
  std::fprintf(stderr,
               "usage: lwk-lake check FILE.LAK\n"
               "       lwk-lake sign FILE.LAK\n"
               "       lwk-lake generate --seed N --name TEXT [--style reservoir|highland|marsh] [--depths] "
               "OUT.LAK\n");
  return 2;
}

std::string Cell(int c, int r) {
  return "(" + std::to_string(c) + ", " + std::to_string(r) + ")";
}

// True when the boat can be placed beside the flag: open water 1 ... 5 cells
// to the right, below, left (never column 0) or above (never row 0).
bool BoatPlaceable(const CellGrid<std::uint8_t>& g, int c, int r) {
  for (int i = 1; i <= 5; ++i)
    for (auto [col, row, ok] : {std::tuple{c + i, r, c + i < 200}, std::tuple{c, r + i, r + i < 200},
                                std::tuple{c - i, r, c - i >= 1}, std::tuple{c, r - i, r - i >= 1}})
      if (ok && InLake(col, row) && g.at(col, row) == 0) return true;
  return false;
}

// The game compares six characters of line 6: a sum that needs more hex
// digits can never match, whatever line 6 says.
std::optional<std::string> ChecksumTooLong(const LakeFileData& d) {
  if (d.ComputedChecksum.size() <= kChecksumDigits) return std::nullopt;
  return "the lake's checksum " + d.ComputedChecksum +
         " needs more than six hexadecimal digits, but the game compares only the first six of line 6, so the "
         "lake can never load: shorten lines 2 and 3";
}

int Check(const std::string& path) {
  std::vector<std::string> problems;  // the lake cannot be played
  std::vector<std::string> notes;     // it can, but the author should know
  const std::optional<std::string> text = ReadWholeFile(path);
  if (!text) {
    std::printf("%s: cannot be read\n", path.c_str());
    return 1;
  }
  const LakeFileData d = ParseLakeText(*text);
  problems = d.problems;
  if (auto tooLong = ChecksumTooLong(d))
    problems.push_back(*tooLong);
  else if (!d.checksumMatches())
    problems.push_back("line 6: the checksum \"" + d.LakeChecksum + "\" does not match the lake; it must begin with " +
                       d.ComputedChecksum + " (lwk-lake sign writes it)");
  if (!d.anySpecies()) problems.push_back("line 5: no species letter (L S P T H K E D B W, capitals only)");
  if (d.LakeMaxDepth <= 10)
    notes.push_back("line 4: a deepest water of " + std::to_string(d.LakeMaxDepth) +
                    " feet leaves no room for open water of 10 feet or more");

  // The special cells as the lake file holds them.
  std::vector<std::pair<int, int>> flags, pumps;
  for (int r = 0; r < kLakeCells; ++r)
    for (int c = 0; c < kLakeCells; ++c) {
      if (d.LakeGrid.at(c, r) == kWeighInFlagTile) flags.push_back({c, r});
      if (d.LakeGrid.at(c, r) == kGasPumpTile) pumps.push_back({c, r});
    }
  for (auto [c, r] : flags)
    if (c == kLakeCells - 1 || r == kLakeCells - 1)
      problems.push_back("the weigh-in flag at " + Cell(c, r) +
                         " is in the last column or row, which the game covers with the lake's edge");
  for (auto [c, r] : pumps)
    if (c == kLakeCells - 1 || r == kLakeCells - 1)
      problems.push_back("the gas pump at " + Cell(c, r) +
                         " is in the last column or row, which the game covers with the lake's edge");
  if (flags.empty()) problems.push_back("no weigh-in flag (tile 255)");
  if (flags.size() > 1)
    notes.push_back(std::to_string(flags.size()) + " weigh-in flags; the game uses the first in row order, at " +
                    Cell(flags[0].first, flags[0].second));
  if (pumps.empty()) notes.push_back("no gas pumps (tile 163)");
  if (pumps.size() > 3)
    notes.push_back(std::to_string(pumps.size()) + " gas pumps; the game uses only the first three");

  CellGrid<std::uint8_t> marked = d.LakeGrid;
  WriteEdgeMarkers(marked);
  const CellPos flag = FindFirstCell(marked, kWeighInFlagTile);
  if (flag.col != kNoCell && !BoatPlaceable(marked, flag.col, flag.row))
    problems.push_back("no open water (tile 0) within five cells right of, below, left of or above the flag at " +
                       Cell(flag.col, flag.row) + ": the boat cannot be placed");

  const std::string depthPath = DepthFilePathFor(path);
  if (FileExists(depthPath)) {
    const std::optional<std::string> depthText = ReadWholeFile(depthPath);
    CellGrid<std::uint8_t> depths;
    if (!depthText)
      problems.push_back(depthPath + ": cannot be read");
    else if (auto fault = ParseDepthText(*depthText, depths))
      problems.push_back(depthPath + ": " + *fault);
  } else {
    notes.push_back("no depth file " + depthPath + ": the game assigns depths from the tiles");
  }

  for (const std::string& p : problems) std::printf("%s: %s\n", path.c_str(), p.c_str());
  for (const std::string& n : notes) std::printf("%s: note: %s\n", path.c_str(), n.c_str());
  if (problems.empty()) std::printf("%s: OK, \"%s\" loads\n", path.c_str(), d.LakeName.c_str());
  return problems.empty() ? 0 : 1;
}

int Sign(const std::string& path) {
  const std::optional<std::string> text = ReadWholeFile(path);
  if (!text) {
    std::printf("%s: cannot be read\n", path.c_str());
    return 1;
  }
  const LakeFileData d = ParseLakeText(*text);
  if (!d.problems.empty()) {
    for (const std::string& p : d.problems) std::printf("%s: %s\n", path.c_str(), p.c_str());
    std::printf("%s: not signed: mend the faults above first\n", path.c_str());
    return 1;
  }
  if (auto tooLong = ChecksumTooLong(d)) {
    std::printf("%s: not signed: %s\n", path.c_str(), tooLong->c_str());
    return 1;
  }
  const std::optional<std::string> signedText = SignLakeText(*text);
  if (!signedText || !WriteFileAtomically(path, *signedText)) {
    std::printf("%s: cannot be written\n", path.c_str());
    return 1;
  }
  std::printf("%s: signed %s\n", path.c_str(), d.ComputedChecksum.c_str());
  return 0;
}

int Generate(int argc, char** argv) {
  std::optional<std::uint32_t> seed;
  std::string name, out;
  std::optional<LakeStyle> style;
  bool depths = false;
  for (int i = 2; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--seed" && i + 1 < argc) {
      char* end = nullptr;
      const unsigned long v = std::strtoul(argv[++i], &end, 10);
      if (!end || *end) return Usage();
      seed = static_cast<std::uint32_t>(v);
    } else if (a == "--name" && i + 1 < argc) {
      name = argv[++i];
    } else if (a == "--style" && i + 1 < argc) {
      style = ParseLakeStyle(argv[++i]);
      if (!style) return Usage();
    } else if (a == "--depths") {
      depths = true;
    } else if (!a.empty() && a[0] != '-' && out.empty()) {
      out = a;
    } else {
      return Usage();
    }
  }
  if (!seed || name.empty() || out.empty()) return Usage();
  const GeneratedLake lake = GenerateLake(*seed, name, style.value_or(StyleForSeed(*seed)), depths);
  const std::string text = FormatLakeText(lake.name, lake.line2, lake.line3, lake.maxDepth, lake.species, lake.grid);
  if (!WriteFileAtomically(out, text)) {
    std::fprintf(stderr, "%s: cannot be written\n", out.c_str());
    return 1;
  }
  if (lake.depths) {
    const std::string depthPath = ReplaceExtension(out, "dpt");
    if (!WriteFileAtomically(depthPath, FormatDepthText(*lake.depths))) {
      std::fprintf(stderr, "%s: cannot be written\n", depthPath.c_str());
      return 1;
    }
  }
  std::printf("%s: \"%s\"\n", out.c_str(), lake.name.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string cmd = argv[1];
  if (cmd == "check" && argc == 3) return Check(argv[2]);
  if (cmd == "sign" && argc == 3) return Sign(argv[2]);
  if (cmd == "generate") return Generate(argc, argv);
  return Usage();
}
