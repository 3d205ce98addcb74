#pragma once
// What casting and the retrieve read from the tackle catalogue.

#include <string>

namespace lwk {

class Game;

int SnagRatingOf(int drawer, int bait);
std::string DrawerPriceText(int drawer);
void LoseBaitOfRod(Game& g);

}  // namespace lwk
