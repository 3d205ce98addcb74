#include "Sample.h"

#include <string>

#include "TileCatalogue.h"

namespace lwk::art {

using namespace lwk::tiles;

namespace {

// '.' water, 'T' forest, '#' grass, 'H' house, 'R' road, 'M' marina building
// (2 x 2), 'P' parking, 'G' gas pump, 'F' weigh-in flag, 'm' boat ramp, 'B'
// bridge over water, 'D' dock, 'w' weedy shore, 'l' lily-pad shore, 'L' lily
// pads, 'x' no-wake buoy, 'k' rocks, 'b' moored boat, 'e' weed bed, 'q' rocky
// shore.
const char* const kMap[] = {
    "TTTTTTTTTTTTTTTTTT",  //
    "TH#RRRRRRRRRRRRRT#",  //
    "T#HR##MM#PR#F##R##",  //
    "T##R##MMGPm####R##",  //
    "T##..lD........B..",  //
    "T#l.....b.....eB..",  //
    "T#..L......k...B..",  //
    "TT#..........wwR##",  //
    "TT##.....x....#R#H",  //
    "TTT#w.......q##RTT",  //
    "TTTT##......##TRTT",  //
    "TTTTTTTT...TTTTRTT",  //
    "TTTTTTTTTTTTTTTRTT",  //
};

bool IsLandChar(char c) {
  return c != '.' && c != 'B' && c != 'D' && c != 'w' && c != 'l' && c != 'L' && c != 'x' && c != 'k' && c != 'b' &&
         c != 'e' && c != 'q';
}

}  // namespace

std::vector<std::vector<int>> SampleLakeCells() {
  const int rows = static_cast<int>(std::size(kMap));
  const int cols = static_cast<int>(std::string(kMap[0]).size());
  auto at = [&](int c, int r) {
    c = std::clamp(c, 0, cols - 1);
    r = std::clamp(r, 0, rows - 1);
    return kMap[r][c];
  };
  auto land = [&](int c, int r) { return IsLandChar(at(c, r)); };
  auto roadish = [&](int c, int r) {
    const char ch = at(c, r);
    return ch == 'R' || ch == 'B' || ch == 'm';
  };
  std::vector<std::vector<int>> out(static_cast<std::size_t>(rows),
                                    std::vector<int>(static_cast<std::size_t>(cols), 0));
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const char ch = at(c, r);
      int v = 150;
      std::uint8_t mask = 0;
      if (land(c, r - 1)) mask |= kN;
      if (land(c + 1, r)) mask |= kE;
      if (land(c, r + 1)) mask |= kS;
      if (land(c - 1, r)) mask |= kW;
      if (land(c + 1, r - 1)) mask |= kNE;
      if (land(c + 1, r + 1)) mask |= kSE;
      if (land(c - 1, r + 1)) mask |= kSW;
      if (land(c - 1, r - 1)) mask |= kNW;
      const std::uint8_t m = CanonicalLandMask(mask);
      auto feature = [&](int first) {  // a one-sided feature piece for land N, E, S, W
        if (m == kN) return first;
        if (m == kE) return first + 1;
        if (m == kS) return first + 2;
        if (m == kW) return first + 3;
        return ShoreTileFor(m);
      };
      switch (ch) {
        case 'T':
          v = 154;
          break;
        case '#':
          v = 150;
          break;
        case 'H':
          v = 183 + (c + r) % 3;
          break;
        case 'P':
          v = r % 2 ? 181 : 180;
          break;
        case 'G':
          v = 163;
          break;
        case 'F':
          v = 255;
          break;
        case 'm':
          v = 182;
          break;
        case 'M': {
          const bool left = at(c - 1, r) != 'M';
          const bool top = at(c, r - 1) != 'M';
          v = top ? (left ? 187 : 188) : (left ? 189 : 190);
          break;
        }
        case 'R': {
          std::uint8_t links = 0;
          if (roadish(c, r - 1)) links |= kN;
          if (roadish(c + 1, r)) links |= kE;
          if (roadish(c, r + 1)) links |= kS;
          if (roadish(c - 1, r)) links |= kW;
          for (int t = 164; t <= 178; ++t)
            if (Tile(t).links == links) v = t;
          break;
        }
        case 'B': {
          const bool ns = roadish(c, r - 1) || roadish(c, r + 1);
          if (ns)
            v = land(c, r - 1) ? 79 : land(c, r + 1) ? 160 : 77;
          else
            v = land(c - 1, r) ? 161 : land(c + 1, r) ? 162 : 78;
          break;
        }
        case 'D':
          v = feature(30);
          break;
        case 'w':
          v = m == (kN | kW) ? 48 : m == (kS | kE) ? 49 : feature(44);
          break;
        case 'l':
          v = feature(52);
          break;
        case 'q':
          v = feature(140);
          break;
        case 'L':
          v = 21;
          break;
        case 'x':
          v = 56;
          break;
        case 'k':
          v = 72;
          break;
        case 'b':
          v = 64;
          break;
        case 'e':
          v = 26;
          break;
        default:
          v = ShoreTileFor(m);
          break;
      }
      if (ch == '.' && at(c, r - 1) == 'm') v = 35;
      out[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = v;
    }
  return out;
}

QImage ComposeLake(const std::vector<std::vector<int>>& cells, const std::vector<QImage>& tiles, int scale) {
  const int rows = static_cast<int>(cells.size());
  const int cols = rows ? static_cast<int>(cells[0].size()) : 0;
  QImage img(cols * 32 * scale, rows * 32 * scale, QImage::Format_RGB32);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const QImage& t =
          tiles[static_cast<std::size_t>(cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)])];
      for (int y = 0; y < 32 * scale; ++y)
        for (int x = 0; x < 32 * scale; ++x)
          img.setPixel(c * 32 * scale + x, r * 32 * scale + y, t.pixel(x / scale, y / scale));
    }
  return img;
}

}  // namespace lwk::art
