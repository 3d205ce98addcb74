#include "boat/qt/BoatControls.h"

namespace lwk {

void WireBoatControls(Game&, TForm1&, QtPort&) {}

}  // namespace lwk
