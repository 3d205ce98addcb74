// A lake file's text as any bytes: the reader lists every fault instead of
// failing, a lake it loads writes back to a file that loads to the same lake,
// and signing the text makes its checksum match.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzSupport.h"
#include "lake/LakeFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = lwk::fuzz::Bytes(data, size);
  const lwk::LakeFileData d = lwk::ParseLakeText(text);
  if (d.LakeName.size() > static_cast<size_t>(lwk::kLakeNameMax) || d.LakeChecksum.size() > 6) std::abort();
  (void)lwk::FindFirstCell(d.LakeGrid, 201);
  (void)lwk::FindGasPumpCells(d.LakeGrid);

  if (d.loads()) {
    // Lines 2 ... 5 never hold a line break, so they survive a rewrite.
    const std::string again =
        lwk::FormatLakeText(d.LakeName, d.Line2, d.Line3, d.LakeMaxDepth, d.SpeciesLine, d.LakeGrid);
    const lwk::LakeFileData e = lwk::ParseLakeText(again);
    if (!e.problems.empty() || !(e.LakeGrid.cells == d.LakeGrid.cells) || e.LakeName != d.LakeName ||
        e.SpeciesPresent != d.SpeciesPresent || e.LakeMaxDepth != d.LakeMaxDepth)
      std::abort();
  }

  if (const auto signedText = lwk::SignLakeText(text)) {
    const lwk::LakeFileData s = lwk::ParseLakeText(*signedText);
    // A checksum of more than six digits can never match its six-character
    // field (a sum past 0xFFFFFF needs megabytes of text).
    if (s.ComputedChecksum.size() == 6 && !s.checksumMatches()) std::abort();
  }
  return 0;
}
