#include "ContactSheet.h"

#include <algorithm>

#include "PixelFont.h"

namespace lwk::art {

namespace {

constexpr QRgb kBack = qRgb(0x2A, 0x2A, 0x30);
constexpr QRgb kLabel = qRgb(0xE8, 0xE8, 0xE8);
constexpr QRgb kHeading = qRgb(0xFF, 0xD0, 0x50);
constexpr QRgb kCheck0 = qRgb(0x70, 0x70, 0x78);
constexpr QRgb kCheck1 = qRgb(0x88, 0x88, 0x90);

void Blit(QImage& dst, const QImage& src, int x0, int y0, int scale, bool hasKey, QRgb key) {
  for (int y = 0; y < src.height() * scale; ++y)
    for (int x = 0; x < src.width() * scale; ++x) {
      const QRgb p = src.pixel(x / scale, y / scale);
      QRgb c = p;
      const bool seeThrough = (hasKey && (p & 0xFFFFFFu) == (key & 0xFFFFFFu)) || qAlpha(p) < 128;
      if (seeThrough) c = (((x / 4) + (y / 4)) % 2) ? kCheck0 : kCheck1;
      const int tx = x0 + x;
      const int ty = y0 + y;
      if (tx >= 0 && ty >= 0 && tx < dst.width() && ty < dst.height()) dst.setPixel(tx, ty, c | 0xFF000000u);
    }
}

}  // namespace

QImage ContactSheet(const std::vector<QImage>& tiles, const std::vector<Picture>& pictures) {
  const int tileScale = 2;
  const int cell = 32 * tileScale + 8;
  const int width = 16 * cell + 16;
  // Lay the pictures out first to know the height.
  struct Placed {
    const Picture* p;
    int x, y, scale;
  };
  std::vector<Placed> placed;
  std::vector<std::pair<int, std::string>> headings;
  int y = 24 + 16 * (cell + 10) + 24;
  int x = 8;
  int rowH = 0;
  std::string group;
  for (const auto& p : pictures) {
    const int scale = std::max(1, std::min(4, 96 / std::max(p.image.width(), p.image.height())));
    const int w = std::max(p.image.width() * scale, TextWidth5x7(p.name)) + 12;
    const int h = p.image.height() * scale + 14;
    if (p.group != group) {
      group = p.group;
      y += rowH + (rowH ? 10 : 0);
      x = 8;
      rowH = 0;
      headings.emplace_back(y, group);
      y += 14;
    }
    if (x + w > width) {
      y += rowH + 6;
      x = 8;
      rowH = 0;
    }
    placed.push_back({&p, x, y, scale});
    x += w;
    rowH = std::max(rowH, h);
  }
  const int height = y + rowH + 16;
  QImage sheet(width, height, QImage::Format_RGB32);
  sheet.fill(kBack);
  DrawText5x7(sheet, 8, 6, "LUREWICK - LAKE TILES IM0 .. IM255", kHeading, 2);
  for (int v = 0; v < static_cast<int>(tiles.size()); ++v) {
    const int tx = 8 + (v % 16) * cell;
    const int ty = 24 + (v / 16) * (cell + 10);
    DrawText5x7(sheet, tx, ty, std::to_string(v), kLabel);
    Blit(sheet, tiles[static_cast<std::size_t>(v)], tx, ty + 9, tileScale, false, 0);
  }
  for (const auto& [hy, name] : headings) DrawText5x7(sheet, 8, hy, name, kHeading);
  for (const auto& pl : placed) {
    DrawText5x7(sheet, pl.x, pl.y, pl.p->name, kLabel);
    Blit(sheet, pl.p->image, pl.x, pl.y + 9, pl.scale, pl.p->hasKey, pl.p->key);
  }
  return sheet;
}

}  // namespace lwk::art
