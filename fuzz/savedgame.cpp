// Feeds arbitrary bytes to the saved-game reader. Whatever it accepts must
// write back to a file that reads again to the same bytes.
#include "tournament/SavedGame.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const lwk::SavedGameResult first = lwk::DecodeSavedGame(std::span<const std::uint8_t>(data, size));
  if (!first.ok()) return 0;
  const lwk::SavedGameBytes written = lwk::EncodeSavedGame(*first.game);
  const lwk::SavedGameResult again = lwk::DecodeSavedGame(std::span<const std::uint8_t>(written));
  if (!again.ok() || lwk::EncodeSavedGame(*again.game) != written) std::abort();
  return 0;
}
