// LWK.INI as any bytes: reading never fails, and what it read writes back to
// text that reads to the same preferences and writes to the same text.
#include "shell/Settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool Same(const lwk::Prefs& a, const lwk::Prefs& b) {
  for (int i = 0; i < lwk::kRodCount; ++i) {
    const lwk::RodSetup& x = a.RodSetups[static_cast<size_t>(i)];
    const lwk::RodSetup& y = b.RodSetups[static_cast<size_t>(i)];
    if (x.drawer != y.drawer || x.bait != y.bait || x.color != y.color) return false;
  }
  return a.BackgroundSounds1 == b.BackgroundSounds1 && a.FishingSounds1 == b.FishingSounds1 &&
         a.ShowButtonHints1 == b.ShowButtonHints1 && a.SuspendIfInactive1 == b.SuspendIfInactive1 &&
         a.FullScreenAtStart1 == b.FullScreenAtStart1 && a.PlayLevel == b.PlayLevel;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lwk::Prefs prefs;
  lwk::ReadSettingsText(std::string(reinterpret_cast<const char*>(data), size), prefs);
  if (prefs.PlayLevel > lwk::Professional) std::abort();
  const std::string written = lwk::WriteSettingsText(prefs);
  lwk::Prefs again;
  lwk::ReadSettingsText(written, again);
  if (!Same(prefs, again) || lwk::WriteSettingsText(again) != written) std::abort();
  return 0;
}
