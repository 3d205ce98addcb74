// lwk-artgen: draws every picture and synthesizes every sound of the game
// from code, deterministically, and writes them into the flat game folder,
// together with the help file and a manifest of everything written there.
//
//   lwk-artgen --game-dir DIR [--installer-dir DIR] [--manifest FILE]
//              [--help-source FILE] [--contact-sheet PNG] [--lake-sample PNG]
//   lwk-artgen --tiles-md        prints TILES.md from the tile catalogue

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "ContactSheet.h"
#include "Sample.h"
#include "Sounds.h"
#include "Sprites.h"
#include "Tiles.h"
#include "TilesDoc.h"

namespace {

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return f.write(bytes) == bytes.size() && f.flush();
}

bool SaveImage(const QImage& img, const QString& path, const char* format) {
  return img.save(path, format);
}

int Fail(const std::string& what) {
  std::fprintf(stderr, "lwk-artgen: %s\n", what.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string gameDir, installerDir, manifest, helpSource, contactSheet, lakeSample;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 < argc) out = argv[++i];
    };
    if (a == "--tiles-md") {
      std::fputs(lwk::art::TilesMarkdown().c_str(), stdout);
      return 0;
    }
    if (a == "--game-dir")
      value(gameDir);
    else if (a == "--installer-dir")
      value(installerDir);
    else if (a == "--manifest")
      value(manifest);
    else if (a == "--help-source")
      value(helpSource);
    else if (a == "--contact-sheet")
      value(contactSheet);
    else if (a == "--lake-sample")
      value(lakeSample);
    else
      return Fail("unknown argument " + a);
  }
  if (gameDir.empty()) return Fail("--game-dir is required");
  const QDir game(QString::fromStdString(gameDir));
  if (!QDir().mkpath(game.path())) return Fail("cannot create " + gameDir);

  std::vector<std::string> written;
  auto inGame = [&](const std::string& name) { return game.filePath(QString::fromStdString(name)); };

  // The 256 tiles.
  std::vector<QImage> tiles;
  for (int v = 0; v < 256; ++v) {
    tiles.push_back(lwk::art::DrawTile(v).img);
    const std::string name = "IM" + std::to_string(v) + ".BMP";
    if (!SaveImage(tiles.back(), inGame(name), "BMP")) return Fail("cannot write " + name);
    written.push_back(name);
  }

  // Sprites, glyphs and pictures.
  const std::vector<lwk::art::Picture> pictures = lwk::art::DrawPictures();
  for (const auto& p : pictures) {
    const std::string file = lwk::art::FileNameOf(p);
    if (p.destination == lwk::art::Destination::InstallerBmp) {
      if (installerDir.empty()) continue;
      const QDir inst(QString::fromStdString(installerDir));
      if (!QDir().mkpath(inst.path())) return Fail("cannot create " + installerDir);
      if (!SaveImage(p.image, inst.filePath(QString::fromStdString(file)), "BMP")) return Fail("cannot write " + file);
      continue;
    }
    const bool png = p.destination == lwk::art::Destination::GamePng;
    if (!SaveImage(p.image, inGame(file), png ? "PNG" : "BMP")) return Fail("cannot write " + file);
    written.push_back(file);
  }

  // Sounds.
  for (const auto& s : lwk::art::SynthesizeSounds()) {
    const std::string bytes = lwk::art::WavBytes(s);
    if (!WriteBytes(inGame(s.name), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()))))
      return Fail("cannot write " + s.name);
    written.push_back(s.name);
  }

  // The help file, copied as it stands in the source tree.
  if (!helpSource.empty()) {
    QFile src(QString::fromStdString(helpSource));
    if (!src.open(QIODevice::ReadOnly)) return Fail("cannot read " + helpSource);
    if (!WriteBytes(inGame("LWKHELP.HLP"), src.readAll())) return Fail("cannot write LWKHELP.HLP");
    written.push_back("LWKHELP.HLP");
  }

  if (!manifest.empty()) {
    QDir().mkpath(QFileInfo(QString::fromStdString(manifest)).path());
    std::string text;
    for (const auto& n : written) text += n + "\n";
    if (!WriteBytes(QString::fromStdString(manifest), QByteArray(text.data(), static_cast<qsizetype>(text.size()))))
      return Fail("cannot write " + manifest);
  }
  if (!contactSheet.empty() && !lwk::art::ContactSheet(tiles, pictures).save(QString::fromStdString(contactSheet)))
    return Fail("cannot write " + contactSheet);
  if (!lakeSample.empty() &&
      !lwk::art::ComposeLake(lwk::art::SampleLakeCells(), tiles, 2).save(QString::fromStdString(lakeSample)))
    return Fail("cannot write " + lakeSample);
  return 0;
}
