// Writes the seed inputs of every fuzz target with the game's own writers
// and data: the bundled lakes and their depth files, LWK.INI, a waypoint
// file, the help file, pictures, records, the installer's control file and
// archives. Usage: lwk-fuzz-seeds <corpus folder> <game folder> <help file>
#include <zip.h>

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <optional>
#include <string>

#include "boat/Gps.h"
#include "lake/LakeFile.h"
#include "shell/Files.h"
#include "shell/Settings.h"
#include "tournament/RecordsFile.h"

namespace {

std::string corpus;

void Seed(const std::string& target, const std::string& name, const std::string& bytes) {
  const std::string folder = corpus + "/" + target;
  QDir().mkpath(QString::fromStdString(folder));
  if (!lwk::WriteFileAtomically(folder + "/" + name, bytes)) {
    std::fprintf(stderr, "%s/%s: cannot be written\n", folder.c_str(), name.c_str());
    std::exit(1);
  }
}

std::string Read(const QString& path) {
  const auto bytes = lwk::ReadWholeFile(path.toStdString());
  if (!bytes) {
    std::fprintf(stderr, "%s: cannot be read\n", qUtf8Printable(path));
    std::exit(1);
  }
  return *bytes;
}

std::string Bmp(const QImage& img) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!img.save(&buffer, "BMP")) std::exit(1);
  return bytes.toStdString();
}

QImage Picture(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(QColor(0, 255, 255));
  QPainter p(&img);
  p.setPen(Qt::black);
  p.setBrush(QColor(200, 60, 20));
  p.drawEllipse(2, 2, w - 5, h - 5);
  p.drawLine(0, h - 1, w - 1, 0);
  return img;
}

struct Member {
  const char* name;
  std::string data;
  bool deflate;
  unsigned mode;  // Unix permission and type bits; 0 for none
};

std::string Zip(const std::vector<Member>& members, const std::string& stub = {}) {
  const std::string path = QDir::tempPath().toStdString() + "/lwk-fuzz-seed.zip";
  QFile::remove(QString::fromStdString(path));
  int error = 0;
  zip_t* za = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (za == nullptr) std::exit(1);
  for (const Member& m : members) {
    zip_source_t* src = zip_source_buffer(za, m.data.data(), m.data.size(), 0);
    const zip_int64_t index = zip_file_add(za, m.name, src, ZIP_FL_ENC_UTF_8);
    if (index < 0) std::exit(1);
    zip_set_file_compression(za, static_cast<zip_uint64_t>(index), m.deflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
    if (m.mode != 0)
      zip_file_set_external_attributes(za, static_cast<zip_uint64_t>(index), 0, ZIP_OPSYS_UNIX, m.mode << 16);
  }
  if (zip_close(za) != 0) std::exit(1);
  const std::string bytes = Read(QString::fromStdString(path));
  QFile::remove(QString::fromStdString(path));
  return stub + bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s <corpus folder> <game folder> <help file>\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  corpus = argv[1];
  const QDir game(QString::fromLocal8Bit(argv[2]));

  // The waypoint file the game writes for a lake with three marks.
  lwk::GpsState gps;
  gps.Waypoints[1] = {100, 98, "Weigh-in"};
  gps.Waypoints[2] = {12, 140, "Stump field"};
  gps.Waypoints[3] = {199, 0, "Far corner, deep ledge 30 ft"};
  const std::string waypoints = lwk::EncodeWaypoints(gps);
  Seed("waypoints", "three.wpt", waypoints);
  for (int i = 1; i <= lwk::kWaypointSlots; ++i) gps.Waypoints[static_cast<size_t>(i)] = {i, 200 - i, "W"};
  Seed("waypoints", "full.wpt", lwk::EncodeWaypoints(gps));

  // The bundled lakes, each with its depth file when it has one.
  int lakes = 0;
  for (const QFileInfo& lak : game.entryInfoList({"*.LAK"}, QDir::Files, QDir::Name)) {
    const std::string text = Read(lak.filePath());
    const QString dptPath = QString::fromStdString(lwk::DepthFilePathFor(lak.filePath().toStdString()));
    std::optional<std::string> depths;
    if (QFileInfo::exists(dptPath)) depths = Read(dptPath);
    const std::string stem = lak.completeBaseName().toStdString();
    Seed("lake_text", stem + ".LAK", text);
    if (depths) Seed("depth_text", stem + ".dpt", *depths);
    std::string open = text;
    if (depths) {
      open += '\0' + *depths + '\0' + waypoints;
    }
    Seed("lake_open", stem + ".lake", open);
    ++lakes;
  }
  if (lakes == 0) {
    std::fprintf(stderr, "%s: no lakes\n", argv[2]);
    return 1;
  }
  Seed("lake_text", "short.LAK", "Short Lake\r\nline two\r\nline three\r\n25\r\nLS\r\n000000\r\n0,1,2\r\n");

  // LWK.INI: a first run's defaults and a rigged player's.
  lwk::Prefs prefs;
  Seed("settings", "defaults.ini", lwk::WriteSettingsText(prefs));
  prefs.PlayLevel = lwk::Professional;
  prefs.FishingSounds1 = false;
  prefs.FullScreenAtStart1 = false;
  for (int i = 0; i < lwk::kRodCount; ++i) prefs.RodSetups[static_cast<size_t>(i)] = {i % 7, i % 5, i % 3, 1};
  Seed("settings", "rigged.ini", lwk::WriteSettingsText(prefs));

  Seed("help_text", "LWKHELP.HLP", Read(QString::fromLocal8Bit(argv[3])));

  // Pictures in the depths the BMP writer has.
  const QImage tile = Picture(32, 32);
  Seed("pictures", "rgb.bmp", Bmp(tile));
  Seed("pictures", "indexed.bmp", Bmp(tile.convertToFormat(QImage::Format_Indexed8)));
  Seed("pictures", "mono.bmp", Bmp(tile.convertToFormat(QImage::Format_Mono)));
  Seed("lakemap", "map.bmp", Bmp(Picture(40, 40).convertToFormat(QImage::Format_Indexed8)));
  Seed("lakemap", "rgb.bmp", Bmp(Picture(24, 16)));

  // The records files with a few entries.
  lwk::BigFishTable fish;
  fish[0] = {"Ann Angler", "05/14/2024", "7.25", "Cedar Fork Reservoir", "Largemouth"};
  fish[1] = {"Bo", "06/01/2024", "3.5", "Granite Lake", "Smallmouth"};
  Seed("records_bigfish", "BigFish.btp", lwk::EncodeBigFishRecords(fish));
  lwk::BigStringerTable stringers;
  stringers[0] = {"Ann Angler", "Professional", "05/16/2024", "41.75", "Cedar Fork Reservoir"};
  Seed("records_stringer", "BigStr.btp", lwk::EncodeBigStringerRecords(stringers));

  // The installer's control file as the release package writes it.
  Seed("setup_control", "setup.$$$", "Lurewick Bass Tournament\nINSTALL.$$$\nC:\nLWK\n");
  Seed("setup_control", "crlf.$$$", "Lurewick\r\nINSTALL.$$$\r\nD:\r\nGames\\LWK\\\r\n");

  // Archives: a small install, one with names that leave the folder and a
  // link, and one behind other data.
  const std::vector<Member> install = {
      {"readme.txt", "Lurewick read-me.\nCast, retrieve, land.\n", true, 0100644},
      {"lwk", "#!/bin/sh\necho lwk\n", false, 0100755},
      {"docs/", "", false, 040755},
      {"docs/help.txt", std::string(300, 'h'), true, 0},
  };
  const std::string small = Zip(install);
  const std::vector<Member> hostile = {
      {"../escape.txt", "out", false, 0100644},
      {"linked/through.txt", "through the link", false, 0100644},
      {"link", "/etc/passwd", false, 0120777},
      {"ok.txt", "fine", true, 0},
  };
  const std::string bad = Zip(hostile);
  const std::string behind = Zip(install, std::string(100, 'S'));
  for (const char* target : {"unzipper", "unzdll_extract"}) {
    Seed(target, "install.zip", small);
    Seed(target, "hostile.zip", bad);
    Seed(target, "behind.zip", behind);
  }
  return 0;
}
