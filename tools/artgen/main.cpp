// lwk-artgen: draws every picture and synthesizes every sound of the game
// from code, deterministically, and writes them into the game folder.

#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstring>
#include <string>

#include "PixelFont.h"
#include "Sample.h"
#include "Tiles.h"
#include "TilesDoc.h"

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--tiles-md") == 0) {
      std::fputs(lwk::art::TilesMarkdown().c_str(), stdout);
      return 0;
    }
    if (std::strcmp(argv[i], "--sample-png") == 0 && i + 1 < argc) {
      std::vector<QImage> tiles;
      for (int v = 0; v < 256; ++v) tiles.push_back(lwk::art::DrawTile(v).img);
      lwk::art::ComposeLake(lwk::art::SampleLakeCells(), tiles, 2).save(argv[i + 1]);
      return 0;
    }
    if (std::strcmp(argv[i], "--tiles-png") == 0 && i + 1 < argc) {
      const int cols = 16, s = 3;
      QImage sheet(cols * (32 * s + 6), 16 * (32 * s + 14), QImage::Format_RGB32);
      sheet.fill(qRgb(40, 40, 44));
      for (int v = 0; v < 256; ++v) {
        lwk::art::Canvas c = lwk::art::DrawTile(v);
        QImage big = c.img.scaled(32 * s, 32 * s);
        const int x = (v % cols) * (32 * s + 6) + 3, y = (v / cols) * (32 * s + 14) + 12;
        for (int yy = 0; yy < big.height(); ++yy)
          for (int xx = 0; xx < big.width(); ++xx) sheet.setPixel(x + xx, y + yy, big.pixel(xx, yy));
        lwk::art::DrawText5x7(sheet, x, y - 9, std::to_string(v), qRgb(230, 230, 230));
      }
      sheet.save(argv[i + 1]);
      return 0;
    }
  }
  std::fprintf(stderr, "usage: lwk-artgen --tiles-md\n");
  return 2;
}
