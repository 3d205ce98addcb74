#pragma once
// One review picture of everything lwk-artgen draws: the 256 tiles with their
// values and every other picture with its name (written to the build folder,
// never shipped).

#include <QImage>
#include <vector>

#include "Sprites.h"

namespace lwk::art {

QImage ContactSheet(const std::vector<QImage>& tiles, const std::vector<Picture>& pictures);

}  // namespace lwk::art
