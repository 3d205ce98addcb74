#pragma once
// A small synthetic lake for the boat's rules: solid-colour tiles (open water
// blue, land green, bridges grey), a water basin in a field of land, a
// 640 x 480 view and a red boat sprite. No game data is needed.

#include <gtest/gtest.h>

#include "boat/Steering.h"
#include "lake/BoatSprite.h"
#include "lake/LakeViewRules.h"
#include "lake/WaterColours.h"
#include "shell/Game.h"
#include "support/TestPort.h"

namespace lwk {

constexpr QRgb kWaterBlue = 0xFF0020C0;
constexpr QRgb kLandGreen = 0xFF208020;
constexpr QRgb kBridgeGrey = 0xFF808080;

inline QImage Solid(int w, int h, QRgb c) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(c);
  return img;
}

struct BoatLake : ::testing::Test {
  TestPort port;
  Game g{port};

  void SetUp() override {
    port.game = &g;
    port.processEventsAdvances = false;
    for (int i = 0; i < 256; ++i) {
      QRgb c = i < kFirstLandTile ? kWaterBlue : kLandGreen;
      if (IsBridgeTile(i)) c = kBridgeGrey;
      g.pictures.TileBitmaps[static_cast<size_t>(i)] = Solid(32, 32, c);
    }
    g.pictures.boat.frameW = g.pictures.boat.frameH = 16;
    g.pictures.boat.frames.assign(8, Solid(16, 16, 0xFFFF0000));
    g.pictures.effects.frameW = g.pictures.effects.frameH = 32;
    g.pictures.effects.frames.assign(3, Solid(32, 32, 0xFFFFFF00));
    g.lake.WaterColours = BuildWaterColourTable(g.pictures.TileBitmaps);
    // Land everywhere, open water in columns 10..60 and rows 10..60.
    g.lake.LakeGrid.fill(150);
    for (int c = 10; c <= 60; ++c)
      for (int r = 10; r <= 60; ++r) g.lake.LakeGrid.at(c, r) = 0;
    g.LakeLoading = false;
    g.view.lakeVisible = true;
    g.lakeView.setViewSize(640, 480);  // 20 x 15 tiles
    ConnectLakeView(g);
    scroll(5, 5);
    // The life jacket on: outboard steps draw no life-jacket check, so the
    // scripted draws of these tests reach what they are meant for.
    g.boat.LifeJacketOn = true;
  }

  void scroll(int col, int row) {
    g.lakeView.scrollTo(col, row);
    g.PrevLeftCol = g.lakeView.leftCol();
    g.PrevTopRow = g.lakeView.topRow();
  }
  void setTile(int c, int r, int v) {
    g.lake.LakeGrid.at(c, r) = static_cast<std::uint8_t>(v);
    g.lakeView.paintCell(c, r);
  }
  // Puts the boat's sprite at (dx, dy) inside cell (col, row).
  void placeBoat(int col, int row, int heading, int dx = 8, int dy = 8) {
    EraseBoat(g);
    g.boat.BoatX = (col - g.lakeView.leftCol()) * kTilePixels + dx;
    g.boat.BoatY = (row - g.lakeView.topRow()) * kTilePixels + dy;
    g.boat.BoatHeading = heading;
    RecomputeBoatProbes(g);
    SaveBoatBackground(g);
  }
  int lakeX() const { return g.lakeView.leftCol() * kTilePixels + g.boat.BoatX; }
  int lakeY() const { return g.lakeView.topRow() * kTilePixels + g.boat.BoatY; }
  void key(int k, int shift = 0) { FormKeyDown(g, k, shift); }
  void keyUp(int k) { FormKeyUp(g, k, 0); }
  int boxesWith(const std::string& text) const {
    int n = 0;
    for (const auto& b : port.boxes) n += b.text == text;
    return n;
  }
};

}  // namespace lwk
