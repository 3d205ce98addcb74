// A depth file's text as any bytes: either a clear problem or 200 x 200
// depths that write back to text reading to the same depths.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzSupport.h"
#include "lake/Depths.h"
#include "lake/LakeGenerator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lwk::CellGrid<std::uint8_t> depths;
  if (const auto problem = lwk::ParseDepthText(lwk::fuzz::Bytes(data, size), depths)) {
    if (problem->empty()) std::abort();
    return 0;
  }
  lwk::CellGrid<std::uint8_t> again;
  if (lwk::ParseDepthText(lwk::FormatDepthText(depths), again) || !(again.cells == depths.cells)) std::abort();
  return 0;
}
