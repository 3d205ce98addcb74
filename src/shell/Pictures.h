#pragma once
// Every picture the game draws, loaded by name from the game folder at
// start-up: the 256 lake tiles, the sprite sets and the button glyphs.

#include <QColor>
#include <QImage>
#include <array>
#include <map>
#include <string>
#include <vector>

namespace lwk {

class Port;

// An image list of equally sized frames with one see-through colour.
struct SpriteSet {
  int frameW = 0;
  int frameH = 0;
  QRgb transparent = qRgb(0, 0, 0);
  std::vector<QImage> frames;

  bool complete(size_t wanted) const { return frames.size() == wanted; }
  // Draws frame i at (x, y), leaving the transparent colour see-through.
  void draw(QImage& target, int x, int y, size_t i) const;
};

constexpr QRgb kAqua = 0xFF00FFFF;  // red 0, green 255, blue 255
constexpr QRgb kBlack = 0xFF000000;

struct Pictures {
  std::array<QImage, 256> TileBitmaps;
  SpriteSet effects;       // kapow, wham, slam1
  SpriteSet splashes;      // Plop1, Plop2, FishJmp0..2, TailW0, TailW1, Slam
  SpriteSet boat;          // BoatUp .. BoatUL, index = heading
  SpriteSet lcd;           // LCD0..LCD9, LCDCOLON
  SpriteSet dayBanners;    // One, Two, Three, Day, Monster
  SpriteSet gpsArrows;     // GPSup .. GPSul
  SpriteSet canoes;        // grncanoe, redcanoe
  SpriteSet jetSkis;       // jetskiUR, jetskiLR, jetskiLL, jetskiUL
  SpriteSet fishPictures;  // the livewell's fish: SmLMr .. BigSMl
  // Single bitmaps by their resource name as written in the game
  // (LCDclear, TMon, TMoff, Outbon, Outboff, LJackOff, LJackOn, PaddleOn,
  // PaddleOf, FishForm, FFoff; the livewell's LWindOn, LWindOff, LWnormal,
  // LWrun).
  std::map<std::string, QImage> singles;

  const QImage& single(const std::string& name) const;
};

// The outcome of loading every picture.
struct PictureLoadResult {
  bool cancelled = false;       // Cancel on a missing tile: end the program
  bool canoesEnabled = false;   // every canoe frame and work bitmap loaded
  bool jetSkisEnabled = false;  // every jet-ski frame and work bitmap loaded
};

// Loads every picture in the start-up order, reporting each failure with its
// own message through the port. A failed picture stays empty (a blank tile
// for a tile); Cancel on a tile stops at once.
PictureLoadResult LoadPictures(Port& port, const std::string& gameFolder, Pictures& out);

// Loads one BMP of the game folder by resource name (case-insensitive,
// ".BMP" added); a null image when it is missing or unreadable.
QImage LoadGamePicture(const std::string& gameFolder, const std::string& name);

}  // namespace lwk
