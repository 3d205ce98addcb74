#pragma once
// The tile catalogue as the markdown page TILES.md.

#include <string>

namespace lwk::art {

std::string TilesMarkdown();

}  // namespace lwk::art
