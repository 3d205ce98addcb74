#include "fishing/TackleSeam.h"

#include "shell/Game.h"

namespace lwk {

// Stand-ins until the tackle catalogue is merged.
int SnagRatingOf(int, int) {
  return 10;
}
std::string DrawerPriceText(int) {
  return "4.00";
}
void LoseBaitOfRod(Game& g) {
  g.fishing.CurrentBait = 255;
  g.fishing.CurrentColor = 255;
}

}  // namespace lwk
