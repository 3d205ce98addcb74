#pragma once
// A small lake patch composed from the catalogue the way a lake generator
// would: land and water cells, shore pieces chosen by ShoreTileFor, roads
// joined by their links, a bridge, docks, weeds, lily pads and a marina.
// Used for reviewing how the tiles join.

#include <QImage>
#include <vector>

namespace lwk::art {

// The tile values of the sample patch, row by row.
std::vector<std::vector<int>> SampleLakeCells();

// The patch drawn from the given tile pictures, `scale` screen pixels per
// lake pixel.
QImage ComposeLake(const std::vector<std::vector<int>>& cells, const std::vector<QImage>& tiles, int scale);

}  // namespace lwk::art
