// What the build puts in the game folder: every picture the game loads, at
// the size its tables fix; every sound it plays, as a WAV it can play; the
// help file; the manifest the installer packs; and all of it exactly what
// lwk-artgen draws (nothing edited by hand).

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <set>

#include "ArtTestSupport.h"
#include "Sounds.h"
#include "Sprites.h"
#include "Tiles.h"
#include "shell/Files.h"

namespace lwk {
namespace {

using lwk::test::GameFolder;

struct Expected {
  const char* name;
  int w;  // 0: any size
  int h;
  QRgb key;  // colour the game shows as see-through; 1 when none is fixed
};

constexpr QRgb kBlack = 0x000000;
constexpr QRgb kAquaKey = 0x00FFFF;
constexpr QRgb kNone = 1;

// Every picture the game loads by name, with the frame sizes and the
// transparent colours of its sprite tables.
const Expected kPictures[] = {
    {"kapow", 32, 32, kBlack},    {"wham", 32, 32, kBlack},     {"slam1", 32, 32, kBlack},
    {"Plop1", 16, 16, kBlack},    {"Plop2", 16, 16, kBlack},    {"FishJmp0", 16, 16, kBlack},
    {"FishJmp1", 16, 16, kBlack}, {"FishJmp2", 16, 16, kBlack}, {"TailW0", 16, 16, kBlack},
    {"TailW1", 16, 16, kBlack},   {"Slam", 16, 16, kBlack},     {"BoatUp", 16, 16, kBlack},
    {"BoatUR", 16, 16, kBlack},   {"BoatR", 16, 16, kBlack},    {"BoatLR", 16, 16, kBlack},
    {"BoatDn", 16, 16, kBlack},   {"BoatLL", 16, 16, kBlack},   {"BoatL", 16, 16, kBlack},
    {"BoatUL", 16, 16, kBlack},   {"LCD0", 11, 17, kBlack},     {"LCD1", 11, 17, kBlack},
    {"LCD2", 11, 17, kBlack},     {"LCD3", 11, 17, kBlack},     {"LCD4", 11, 17, kBlack},
    {"LCD5", 11, 17, kBlack},     {"LCD6", 11, 17, kBlack},     {"LCD7", 11, 17, kBlack},
    {"LCD8", 11, 17, kBlack},     {"LCD9", 11, 17, kBlack},     {"LCDCOLON", 11, 17, kBlack},
    {"LCDclear", 33, 17, kNone},  {"One", 107, 58, kBlack},     {"Two", 107, 58, kBlack},
    {"Three", 107, 58, kBlack},   {"Day", 107, 58, kBlack},     {"Monster", 107, 58, kBlack},
    {"GPSup", 32, 32, kAquaKey},  {"GPSur", 32, 32, kAquaKey},  {"GPSrgt", 32, 32, kAquaKey},
    {"GPSlr", 32, 32, kAquaKey},  {"GPSdn", 32, 32, kAquaKey},  {"GPSll", 32, 32, kAquaKey},
    {"GPSlft", 32, 32, kAquaKey}, {"GPSul", 32, 32, kAquaKey},  {"grncanoe", 18, 9, kBlack},
    {"redcanoe", 18, 9, kBlack},  {"jetskiUR", 18, 18, kBlack}, {"jetskiLR", 18, 18, kBlack},
    {"jetskiLL", 18, 18, kBlack}, {"jetskiUL", 18, 18, kBlack}, {"TMon", 0, 0, kNone},
    {"TMoff", 0, 0, kNone},       {"Outbon", 0, 0, kNone},      {"Outboff", 0, 0, kNone},
    {"LJackOff", 0, 0, kNone},    {"LJackOn", 0, 0, kNone},     {"PaddleOn", 0, 0, kNone},
    {"PaddleOf", 0, 0, kNone},    {"FishForm", 0, 0, kNone},    {"FFoff", 0, 0, kNone},
    {"SmLMr", 70, 34, kBlack},    {"MedLMr", 70, 34, kBlack},   {"BigLMr", 70, 34, kBlack},
    {"SmLMl", 70, 34, kBlack},    {"MedLMl", 70, 34, kBlack},   {"BigLMl", 70, 34, kBlack},
    {"SmSMr", 70, 34, kBlack},    {"MedSMr", 70, 34, kBlack},   {"BigSMr", 70, 34, kBlack},
    {"SmSMl", 70, 34, kBlack},    {"MedSMl", 70, 34, kBlack},   {"BigSMl", 70, 34, kBlack},
    {"LWindOn", 0, 0, kNone},     {"LWindOff", 0, 0, kNone},    {"LWnormal", 200, 120, kNone},
    {"LWrun", 200, 120, kNone},   {"Cranks1", 65, 57, kNone},   {"SPbaits1", 65, 57, kNone},
    {"Spoon1", 65, 57, kNone},    {"TopW1", 65, 57, kNone},     {"Worms1", 65, 57, kNone},
    {"SofJerk1", 65, 57, kNone},  {"Jigs1", 65, 57, kNone},     {"TITLE", 0, 0, kNone},
    {"DQ", 0, 0, kNone},
};

const char* const kSounds[] = {"theme.wav",   "ending.wav",   "George2.wav",  "MYWSH1.WAV",  "MYPLOP.WAV",
                               "Start1f.wav", "NoStart1.wav", "NoStart2.wav", "MYSIREN.WAV", "C4.WAV",
                               "Thump.WAV",   "DCHORD.WAV",   "uhoh1.wav",    "HIT1.wav",    "aw.wav",
                               "MYSPL1.WAV",  "MYSPL2.WAV",   "BNECK1.WAV",   "ANDTHEN.WAV"};

TEST(GameData, EveryTileLoadsAt32By32) {
  for (int v = 0; v < 256; ++v) {
    const QImage& img = lwk::test::ShippedTiles()[static_cast<std::size_t>(v)];
    ASSERT_FALSE(img.isNull()) << "IM" << v << ".BMP";
    EXPECT_EQ(img.size(), QSize(32, 32)) << "IM" << v;
  }
}

TEST(GameData, EveryPictureLoadsAtItsSizeWithItsSeeThroughColour) {
  for (const Expected& e : kPictures) {
    const QImage img = LoadGamePicture(GameFolder(), e.name);
    ASSERT_FALSE(img.isNull()) << e.name;
    if (e.w) {
      EXPECT_EQ(img.size(), QSize(e.w, e.h)) << e.name;
    }
    if (e.key == kNone) continue;
    // A sprite shows its background in the see-through colour and draws
    // itself in other colours.
    int keyed = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) keyed += (img.pixel(x, y) & 0xFFFFFFu) == e.key;
    EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFFu, e.key) << e.name;
    EXPECT_GT(keyed, 0) << e.name;
    EXPECT_LT(keyed, img.width() * img.height()) << e.name;
  }
  const QImage icon(QString::fromStdString(FindGameFile(GameFolder(), "lwk.png")));
  ASSERT_FALSE(icon.isNull());
  EXPECT_GE(std::min(icon.width(), icon.height()), 64);
  EXPECT_TRUE(icon.hasAlphaChannel());
}

// After drawing a sprite the game puts back only a part of the lake under
// it (the boat 15 x 15, a splash or jump 15 x 15, a crash or strike 31 x 31,
// a canoe 17 x 8, a jet ski 17 x 17, a day number the first 80
// columns of the banner block); a sprite pixel outside would stay behind.
TEST(GameData, SpritesKeepInsideTheAreaTheGameRestores) {
  struct Area {
    std::vector<const char*> names;
    int w, h;
  };
  const Area areas[] = {
      {{"BoatUp", "BoatUR", "BoatR", "BoatLR", "BoatDn", "BoatLL", "BoatL", "BoatUL"}, 15, 15},
      {{"Plop1", "Plop2", "FishJmp0", "FishJmp1", "FishJmp2", "TailW0", "TailW1", "Slam"}, 15, 15},
      {{"kapow", "wham", "slam1"}, 31, 31},
      {{"grncanoe", "redcanoe"}, 17, 8},
      {{"jetskiUR", "jetskiLR", "jetskiLL", "jetskiUL"}, 17, 17},
      {{"One", "Two", "Three"}, 80, 58},
  };
  for (const Area& a : areas)
    for (const char* name : a.names) {
      const QImage img = LoadGamePicture(GameFolder(), name);
      ASSERT_FALSE(img.isNull()) << name;
      for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
          if (x < a.w && y < a.h) continue;
          ASSERT_EQ(img.pixel(x, y) & 0xFFFFFFu, kBlack) << name << " (" << x << ", " << y << ")";
        }
    }
}

struct Wav {
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<std::int16_t> samples;
};

// Reads the RIFF chunks of a WAV file; an empty result when it is not one.
std::optional<Wav> ReadWav(const std::string& path) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray b = f.readAll();
  if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") return std::nullopt;
  auto u32 = [&](qsizetype at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
  };
  auto u16 = [&](qsizetype at) { return static_cast<int>(u32(at) & 0xFFFF); };
  Wav w;
  bool haveFmt = false, haveData = false;
  for (qsizetype at = 12; at + 8 <= b.size();) {
    const QByteArray id = b.mid(at, 4);
    const qsizetype size = u32(at + 4);
    if (at + 8 + size > b.size()) return std::nullopt;
    if (id == "fmt ") {
      w.format = u16(at + 8), w.channels = u16(at + 10), w.rate = static_cast<int>(u32(at + 12)), w.bits = u16(at + 22);
      haveFmt = true;
    } else if (id == "data") {
      for (qsizetype i = 0; i + 1 < size; i += 2) w.samples.push_back(static_cast<std::int16_t>(u16(at + 8 + i)));
      haveData = true;
    }
    at += 8 + size + (size & 1);
  }
  if (!haveFmt || !haveData) return std::nullopt;
  return w;
}

TEST(GameData, EverySoundIsAShortUnclipped16BitPcmWav) {
  for (const char* name : kSounds) {
    ASSERT_TRUE(GameFileExists(GameFolder(), name)) << name;
    const auto wav = ReadWav(FindGameFile(GameFolder(), name));
    ASSERT_TRUE(wav.has_value()) << name;
    EXPECT_EQ(wav->format, 1) << name;
    EXPECT_EQ(wav->channels, 1) << name;
    EXPECT_EQ(wav->bits, 16) << name;
    ASSERT_GT(wav->rate, 0) << name;
    ASSERT_FALSE(wav->samples.empty()) << name;
    const double seconds = static_cast<double>(wav->samples.size()) / wav->rate;
    if (std::string(name) == "theme.wav") {
      EXPECT_GE(seconds, 20.0);
      EXPECT_LE(seconds, 30.0);
    } else {
      EXPECT_LE(seconds, 6.0) << name;
    }
  }
}

// Loudness as the player hears it side by side: the RMS of the whole file.
TEST(GameData, EveryEffectIsAboutAsLoudAsTheOthersAndTheThemeSitsUnderThem) {
  constexpr double kPeakCeilingDb = -1.0;
  std::map<std::string, double> rmsDb;
  for (const char* name : kSounds) {
    const auto wav = ReadWav(FindGameFile(GameFolder(), name));
    ASSERT_TRUE(wav.has_value() && !wav->samples.empty()) << name;
    double sum = 0;
    int peak = 0;
    for (std::int16_t s : wav->samples) {
      sum += static_cast<double>(s) * s;
      peak = std::max(peak, std::abs(static_cast<int>(s)));
    }
    const double rms = std::sqrt(sum / static_cast<double>(wav->samples.size())) / 32768.0;
    rmsDb[name] = 20 * std::log10(std::max(rms, 1e-9));
    EXPECT_LE(20 * std::log10(peak / 32768.0), kPeakCeilingDb + 0.05) << name << " peaks above -1 dBFS";
  }
  const double theme = rmsDb["theme.wav"];
  double loudest = -100, quietest = 0, effectSum = 0;
  for (const auto& [name, db] : rmsDb) {
    if (name == "theme.wav") continue;
    EXPECT_GE(db, -20.0) << name << " is too quiet beside the other effects";
    EXPECT_LE(db, -14.0) << name << " is too loud beside the other effects";
    loudest = std::max(loudest, db);
    quietest = std::min(quietest, db);
    effectSum += db;
  }
  EXPECT_LE(loudest - quietest, 6.0);
  const double effectMean = effectSum / static_cast<double>(rmsDb.size() - 1);
  EXPECT_LT(theme, effectMean - 1.0) << "the theme should sit a little under the effects";
  EXPECT_GT(theme, effectMean - 6.0) << "the theme should still be heard";
}

struct Topic {
  std::string title;
  std::string body;
};

// Parses the help file in the game's format: "@topic N Title" starts a topic.
std::map<int, Topic> ParseHelp(const QString& text) {
  std::map<int, Topic> topics;
  static const QRegularExpression head(QStringLiteral("^@topic\\s+(\\d+)\\s+(.+)$"));
  int current = -1;
  for (const QString& line : text.split('\n')) {
    const auto m = head.match(line.trimmed());
    if (line.startsWith(QStringLiteral("@topic"))) {
      EXPECT_TRUE(m.hasMatch()) << line.toStdString();
      current = m.captured(1).toInt();
      EXPECT_GT(current, 0);
      EXPECT_EQ(topics.count(current), 0u) << "topic " << current << " twice";
      topics[current].title = m.captured(2).toStdString();
    } else if (current > 0) {
      topics[current].body += line.toStdString() + "\n";
    }
  }
  return topics;
}

TEST(GameData, HelpFileHasItsContentsTopicAndEveryLinkLeadsToATopic) {
  QFile f(QString::fromStdString(FindGameFile(GameFolder(), "LWKHELP.HLP")));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const std::map<int, Topic> topics = ParseHelp(QString::fromUtf8(f.readAll()));
  ASSERT_TRUE(topics.count(1));
  EXPECT_EQ(topics.at(1).title, "Contents");
  static const QRegularExpression link(QStringLiteral("\\[\\[(\\d+)\\]\\]"));
  std::set<int> fromContents;
  for (const auto& [n, t] : topics) {
    EXPECT_FALSE(t.body.find_first_not_of(" \n") == std::string::npos) << "topic " << n << " is empty";
    for (auto it = link.globalMatch(QString::fromStdString(t.body)); it.hasNext();) {
      const int target = it.next().captured(1).toInt();
      EXPECT_TRUE(topics.count(target)) << "topic " << n << " links to missing topic " << target;
      if (n == 1) fromContents.insert(target);
    }
  }
  for (const auto& [n, t] : topics)
    if (n != 1) {
      EXPECT_TRUE(fromContents.count(n)) << "topic " << n << " (" << t.title << ") not in the contents";
    }

  // The keys the game answers to are the ones the player reads about.
  std::string all;
  for (const auto& [n, t] : topics) all += t.body;
  for (const char* key : {"Q up-left", "W up", "E up-right", "A left", "D right", "Z down-left", "X down",
                          "C down-right", "Alt+B", "Alt+S", "Alt+T", "F1", "Space"})
    EXPECT_NE(all.find(key), std::string::npos) << key;
}

TEST(GameData, ManifestListsExactlyTheFilesWrittenIntoTheGameFolder) {
  QFile f(QStringLiteral(LWK_DATA_MANIFEST));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  std::set<std::string> listed;
  for (const QByteArray& line : f.readAll().split('\n')) {
    if (line.isEmpty()) continue;
    const std::string name = line.toStdString();
    EXPECT_TRUE(listed.insert(name).second) << name << " twice";
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(GameFolder() + "/" + name))) << name;
  }
  for (int v = 0; v < 256; ++v) EXPECT_TRUE(listed.count("IM" + std::to_string(v) + ".BMP")) << v;
  for (const Expected& e : kPictures) {
    std::string up = e.name;
    for (char& c : up) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_TRUE(listed.count(up + ".BMP")) << e.name;
  }
  for (const char* s : kSounds) EXPECT_TRUE(listed.count(s)) << s;
  EXPECT_TRUE(listed.count("LWKHELP.HLP"));
  EXPECT_TRUE(listed.count("lwk.png"));
  EXPECT_FALSE(listed.count("SETUPBG.BMP")) << "the installer background belongs beside setup";
}

TEST(GameData, ShippedFilesAreExactlyWhatTheToolDraws) {
  for (int v = 0; v < 256; ++v)
    ASSERT_EQ(lwk::test::ShippedTiles()[static_cast<std::size_t>(v)],
              art::DrawTile(v).img.convertToFormat(QImage::Format_RGB32))
        << "IM" << v << ".BMP differs from what lwk-artgen draws";
  for (const art::Picture& p : art::DrawPictures()) {
    if (p.destination != art::Destination::GameBmp) continue;
    EXPECT_EQ(LoadGamePicture(GameFolder(), p.name), p.image.convertToFormat(QImage::Format_RGB32)) << p.name;
  }
  for (const art::Sound& s : art::SynthesizeSounds()) {
    QFile f(QString::fromStdString(FindGameFile(GameFolder(), s.name)));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << s.name;
    EXPECT_TRUE(f.readAll().toStdString() == art::WavBytes(s)) << s.name;
  }
}

}  // namespace
}  // namespace lwk
