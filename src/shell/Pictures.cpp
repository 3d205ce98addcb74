#include "shell/Pictures.h"

#include <QPainter>

#include "shell/Files.h"
#include "shell/Port.h"

namespace lwk {

void SpriteSet::draw(QImage& target, int x, int y, size_t i) const {
  if (i >= frames.size()) return;
  const QImage& f = frames[i];
  for (int fy = 0; fy < f.height(); ++fy) {
    const int ty = y + fy;
    if (ty < 0 || ty >= target.height()) continue;
    const QRgb* src = reinterpret_cast<const QRgb*>(f.constScanLine(fy));
    QRgb* dst = reinterpret_cast<QRgb*>(target.scanLine(ty));
    for (int fx = 0; fx < f.width(); ++fx) {
      const int tx = x + fx;
      if (tx < 0 || tx >= target.width()) continue;
      if ((src[fx] | 0xFF000000u) != (transparent | 0xFF000000u)) dst[tx] = src[fx] | 0xFF000000u;
    }
  }
}

const QImage& Pictures::single(const std::string& name) const {
  static const QImage empty;
  auto it = singles.find(name);
  return it == singles.end() ? empty : it->second;
}

namespace {
QImage ReadPicture(const std::string& path) {
  QImage img(QString::fromStdString(path));
  if (img.isNull()) return img;
  return img.convertToFormat(QImage::Format_RGB32);
}
}  // namespace

QImage LoadGamePicture(const FolderIndex& gameFiles, const std::string& name) {
  // A name the folder does not hold is not tried at all.
  if (!gameFiles.contains(name + ".BMP")) return QImage();
  return ReadPicture(gameFiles.find(name + ".BMP"));
}

QImage LoadGamePicture(const std::string& gameFolder, const std::string& name) {
  return ReadPicture(FindGameFile(gameFolder, name + ".BMP"));
}

namespace {

struct Loader {
  Port& port;
  const FolderIndex& folder;

  void error(const std::string& text) { port.messageBox(BoxKind::Error, text, Buttons::Ok); }
  void plain(const std::string& text) { port.messageBox(BoxKind::Plain, text, Buttons::Ok); }

  // Loads one frame of the given size; null when missing or of another size.
  QImage frame(const std::string& name, int w, int h) {
    QImage img = LoadGamePicture(folder, name);
    if (img.isNull() || img.width() != w || img.height() != h) return QImage();
    return img;
  }

  // A set whose every frame fails on its own with "ERROR: Unable to load
  // file {FILE}.BMP" (the file name as the failure table writes it).
  void eachWithOwnMessage(SpriteSet& set, int w, int h, QRgb transparent,
                          std::initializer_list<std::pair<const char*, const char*>> frames) {
    set.frameW = w;
    set.frameH = h;
    set.transparent = transparent;
    for (auto [name, fileShown] : frames) {
      QImage img = frame(name, w, h);
      if (img.isNull()) {
        error(std::string("ERROR: Unable to load file ") + fileShown + ".BMP");
        img = QImage(w, h, QImage::Format_RGB32);
        img.fill(transparent);
      }
      set.frames.push_back(img);
    }
  }

  // A set that fails as a whole: one message, the remaining frames skipped.
  bool allOrNothing(SpriteSet& set, int w, int h, QRgb transparent, std::initializer_list<const char*> names,
                    BoxKind kind, const std::string& message) {
    set.frameW = w;
    set.frameH = h;
    set.transparent = transparent;
    for (const char* name : names) {
      QImage img = frame(name, w, h);
      if (img.isNull()) {
        port.messageBox(kind, message, Buttons::Ok);
        return false;
      }
      set.frames.push_back(img);
    }
    return true;
  }

  bool single(Pictures& p, const std::string& name, int w, int h, const std::string& fileShown) {
    QImage img = LoadGamePicture(folder, name);
    if (img.isNull() || (w > 0 && (img.width() != w || img.height() != h))) {
      error("ERROR: Unable to load file " + fileShown + ".BMP");
      return false;
    }
    p.singles[name] = img;
    return true;
  }
};

}  // namespace

PictureLoadResult LoadPictures(Port& port, const FolderIndex& gameFiles, Pictures& p) {
  PictureLoadResult result;
  Loader L{port, gameFiles};

  L.eachWithOwnMessage(p.effects, 32, 32, kBlack, {{"kapow", "KAPOW"}, {"wham", "WHAM"}, {"slam1", "SLAM1"}});
  L.eachWithOwnMessage(p.splashes, 16, 16, kBlack,
                       {{"Plop1", "Plop1"},
                        {"Plop2", "Plop2"},
                        {"FishJmp0", "FishJmp0"},
                        {"FishJmp1", "FishJmp1"},
                        {"FishJmp2", "FishJmp2"},
                        {"TailW0", "TailW0"},
                        {"TailW1", "TailW1"},
                        {"Slam", "Slam"}});
  L.eachWithOwnMessage(p.boat, 16, 16, kBlack,
                       {{"BoatUp", "BOATUP"},
                        {"BoatUR", "BOATUR"},
                        {"BoatR", "BOATR"},
                        {"BoatLR", "BOATLR"},
                        {"BoatDn", "BOATDN"},
                        {"BoatLL", "BOATLL"},
                        {"BoatL", "BOATL"},
                        {"BoatUL", "BOATUL"}});
  L.eachWithOwnMessage(p.lcd, 11, 17, kBlack,
                       {{"LCD0", "LCD0"},
                        {"LCD1", "LCD1"},
                        {"LCD2", "LCD2"},
                        {"LCD3", "LCD3"},
                        {"LCD4", "LCD4"},
                        {"LCD5", "LCD5"},
                        {"LCD6", "LCD6"},
                        {"LCD7", "LCD7"},
                        {"LCD8", "LCD8"},
                        {"LCD9", "LCD9"},
                        {"LCDCOLON", "LCDCOLON"}});
  L.single(p, "LCDclear", 0, 0, "LCDCLEAR");

  for (int n = 0; n < 256; ++n) {
    const std::string name = "IM" + std::to_string(n);
    QImage img = L.frame(name, 32, 32);
    if (img.isNull()) {
      Answer a = port.messageBox(BoxKind::Error, "ERROR: Unable to load file " + name + ".BMP", Buttons::OkCancel);
      if (a == Answer::Cancel) {
        result.cancelled = true;
        return result;
      }
      img = QImage(32, 32, QImage::Format_RGB32);
      img.fill(Qt::white);
    }
    p.TileBitmaps[static_cast<size_t>(n)] = img;
  }

  const std::pair<const char*, const char*> glyphs[] = {
      {"TMon", "TMON"},         {"TMoff", "TMOFF"},     {"Outbon", "OUTBON"},     {"Outboff", "OUTBOFF"},
      {"LJackOff", "LJACKOFF"}, {"LJackOn", "LJACKON"}, {"PaddleOn", "PADDLEON"}, {"PaddleOf", "PADDLEOF"},
      {"FishForm", "FISHFORM"}, {"FFoff", "FFOFF"}};
  for (auto [name, shown] : glyphs) L.single(p, name, 0, 0, shown);

  L.allOrNothing(p.dayBanners, 107, 58, kBlack, {"One", "Two", "Three", "Day", "Monster"}, BoxKind::Plain,
                 "ERROR: Unable to load one or more Day Images");
  L.allOrNothing(p.gpsArrows, 32, 32, kAqua, {"GPSup", "GPSur", "GPSrgt", "GPSlr", "GPSdn", "GPSll", "GPSlft", "GPSul"},
                 BoxKind::Plain, "Unable to load one or more GPS images.");
  result.canoesEnabled = L.allOrNothing(p.canoes, 18, 9, kBlack, {"grncanoe", "redcanoe"}, BoxKind::Error,
                                        "ERROR: Unable to load one or more canoe bitmaps");
  result.jetSkisEnabled = L.allOrNothing(p.jetSkis, 18, 18, kBlack, {"jetskiUR", "jetskiLR", "jetskiLL", "jetskiUL"},
                                         BoxKind::Error, "ERROR: Unable to load one or more JetSki bitmaps");
  return result;
}

}  // namespace lwk
