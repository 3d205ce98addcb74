// A picture of the game folder as any bytes, loaded by its name as at
// start-up and drawn as a sprite frame.
#include "shell/Pictures.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static int argc = 1;
  static char name[] = "lwk-fuzz";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QGuiApplication(argc, argv);
  }();
  (void)app;
  lwk::fuzz::WriteInput("BOATUP.BMP", lwk::fuzz::Bytes(data, size));
  const QImage img = lwk::LoadGamePicture(lwk::fuzz::Folder(), "BoatUp");
  if (img.isNull()) return 0;
  if (img.format() != QImage::Format_RGB32) std::abort();
  lwk::SpriteSet set;
  set.frameW = img.width();
  set.frameH = img.height();
  set.frames.push_back(img);
  QImage target(64, 64, QImage::Format_RGB32);
  target.fill(lwk::kBlack);
  set.draw(target, -3, 5, 0);
  set.draw(target, 40, -7, 0);
  return 0;
}
