#pragma once
// Every picture of the game other than the lake tiles: the sprite sets
// (boat, splashes, crash pictures, canoes, jet skis, LCD digits, day banners,
// GPS arrows), the button glyph pairs, the livewell pictures and fish, the
// tackle drawer pictures, the title and disqualification pictures, the
// installer background and the application icon.

#include <QImage>
#include <QRgb>
#include <string>
#include <vector>

namespace lwk::art {

enum class Destination {
  GameBmp,       // <NAME>.BMP in the game folder
  InstallerBmp,  // <NAME>.BMP beside the installer, not in the game folder
  GamePng,       // <name>.png in the game folder (the application icon)
};

struct Picture {
  std::string name;  // resource name as the game writes it ("BoatUp", "LCDclear")
  QImage image;      // RGB32, or ARGB32 for a PNG
  Destination destination = Destination::GameBmp;
  // The colour drawn as see-through by the game (black, aqua), or none.
  bool hasKey = false;
  QRgb key = 0;
  std::string group;  // for the contact sheet
};

// Every picture in the order the contact sheet shows them.
std::vector<Picture> DrawPictures();

// The file name a picture is written under: tiles and sprites as upper-case
// "<NAME>.BMP", the icon as "lwk.png".
std::string FileNameOf(const Picture& p);

}  // namespace lwk::art
