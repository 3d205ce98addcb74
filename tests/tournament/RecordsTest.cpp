#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "shell/Files.h"
#include "support/GameFixture.h"
#include "tournament/Livewell.h"
#include "tournament/Records.h"
#include "tournament/RecordsFile.h"

namespace lwk {
namespace {

// One length-prefixed field written by hand at its offset.
void Put(std::string& rec, size_t offset, std::string_view bytes) {
  rec[offset] = static_cast<char>(bytes.size());
  rec.replace(offset + 1, bytes.size(), bytes);
}

std::string FishRecordBytes(std::string_view angler, std::string_view date, std::string_view weight,
                            std::string_view lake, std::string_view species) {
  std::string rec(125, '\0');
  Put(rec, 0, angler);
  Put(rec, 21, date);
  Put(rec, 32, weight);
  Put(rec, 38, lake);
  Put(rec, 104, species);
  return rec;
}

std::string StringerRecordBytes(std::string_view angler, std::string_view skill, std::string_view date,
                                std::string_view weight, std::string_view lake) {
  std::string rec(85, '\0');
  Put(rec, 0, angler);
  Put(rec, 21, skill);
  Put(rec, 36, date);
  Put(rec, 47, weight);
  Put(rec, 54, lake);
  return rec;
}

std::string EmptyFishRecords(size_t n) {
  std::string out;
  for (size_t i = 0; i < n; ++i) out += FishRecordBytes("", "", "0.0", "", "");
  return out;
}

std::string EmptyStringerRecords(size_t n) {
  std::string out;
  for (size_t i = 0; i < n; ++i) out += StringerRecordBytes("", "", "", "0.0", "");
  return out;
}

std::vector<std::string> Weights(const BigFishTable& t) {
  std::vector<std::string> w;
  for (const auto& r : t) w.push_back(r.Weight);
  return w;
}

std::vector<std::string> Weights(const BigStringerTable& t) {
  std::vector<std::string> w;
  for (const auto& r : t) w.push_back(r.Weight);
  return w;
}

TEST(RecordsFile, BytesMatchTheRecordLayouts) {
  BigFishTable fish;
  fish[0] = {"Zoë Ångström", "5/14/2024", "11.07", "Lake Ouachita", "Smallmouth"};
  fish[1] = {"€uro Bob", "1/2/03", "4.25", "Pine", "Spotted"};
  const std::string fishBytes =
      FishRecordBytes("Zo\xEB \xC5ngstr\xF6m", "5/14/2024", "11.07", "Lake Ouachita", "Smallmouth") +
      FishRecordBytes("\x80uro Bob", "1/2/03", "4.25", "Pine", "Spotted") + EmptyFishRecords(8);
  EXPECT_EQ(EncodeBigFishRecords(fish), fishBytes);
  BigFishTable readFish;
  const DecodeResult rf = DecodeBigFishRecords(fishBytes, readFish);
  EXPECT_EQ(rf.records, 10u);
  EXPECT_TRUE(rf.complete);
  EXPECT_EQ(readFish, fish);

  BigStringerTable totals;
  totals[0] = {"Ann", "Professional", "12/31/2024", "101.25", "Toledo Bend"};
  const std::string totalBytes =
      StringerRecordBytes("Ann", "Professional", "12/31/2024", "101.25", "Toledo Bend") + EmptyStringerRecords(9);
  EXPECT_EQ(EncodeBigStringerRecords(totals).size(), 850u);
  EXPECT_EQ(EncodeBigStringerRecords(totals), totalBytes);
  BigStringerTable readTotals;
  EXPECT_TRUE(DecodeBigStringerRecords(totalBytes, readTotals).complete);
  EXPECT_EQ(readTotals, totals);
}

TEST(RecordsFile, LongAndForeignTextIsCutWholeCharacters) {
  BigFishTable fish;
  // 19 letters, then an "é" that still fits, then more; a character outside
  // the code page becomes "?".
  fish[0].Angler = "Abcdefghijklmnopqrsé tail";
  fish[0].Lake = "湖 Lake";
  fish[0].Weight = "123.456";
  const std::string bytes = EncodeBigFishRecords(fish);
  EXPECT_EQ(bytes.substr(0, 21),
            "\x14"
            "Abcdefghijklmnopqrs\xE9");
  EXPECT_EQ(bytes.substr(38, 7), "\x06?\x20Lake");
  EXPECT_EQ(bytes.substr(32, 6),
            "\x05"
            "123.4");
  BigFishTable read;
  DecodeBigFishRecords(bytes, read);
  EXPECT_EQ(read[0].Angler, "Abcdefghijklmnopqrsé");
  EXPECT_EQ(read[0].Lake, "? Lake");
}

TEST(RecordsFile, ShortLongAndDamagedFiles) {
  // Three records: those three, the rest stay empty.
  std::string three = FishRecordBytes("A", "", "5.00", "", "") + FishRecordBytes("B", "", "6.00", "", "") +
                      FishRecordBytes("C", "", "4.10", "", "");
  BigFishTable t;
  DecodeResult r = DecodeBigFishRecords(three, t);
  EXPECT_EQ(r.records, 3u);
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(Weights(t),
            (std::vector<std::string>{"5.00", "6.00", "4.10", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0"}));

  // A trailing partial record: the whole records before it are kept.
  t = {};
  r = DecodeBigFishRecords(three + std::string(40, 'x'), t);
  EXPECT_EQ(r.records, 3u);
  EXPECT_FALSE(r.complete);
  EXPECT_EQ(t[2].Angler, "C");

  // Records after the tenth are ignored.
  t = {};
  r = DecodeBigFishRecords(EmptyFishRecords(12) + "xyz", t);
  EXPECT_EQ(r.records, 10u);
  EXPECT_TRUE(r.complete);

  // A length byte above its field's maximum reads the field's maximum only.
  std::string rec = FishRecordBytes("", "", "4.00", "", "");
  rec.replace(1, 20, std::string(20, 'N'));
  rec[0] = static_cast<char>(255);
  rec[21] = static_cast<char>(200);  // Date field, 10 at most, then the weight's length byte
  BigStringerTable s;
  t = {};
  DecodeBigFishRecords(rec, t);
  EXPECT_EQ(t[0].Angler, std::string(20, 'N'));
  EXPECT_EQ(t[0].Date.size(), 10u);
  EXPECT_EQ(t[0].Weight, "4.00");
  std::string srec = StringerRecordBytes("", "", "", "9.99", "");
  srec[54] = static_cast<char>(255);
  EXPECT_TRUE(DecodeBigStringerRecords(srec, s).complete);
  EXPECT_EQ(s[0].Lake.size(), 30u);
}

TEST(RecordsFile, WeightTexts) {
  const struct {
    const char* text;
    std::optional<double> value;
  } cases[] = {{"4.25", 4.25},
               {"0.0", 0.0},
               {"11.07", 11.07},
               {" 4.00 ", 4.0},
               {"7", 7.0},
               {"", std::nullopt},
               {"abc", std::nullopt},
               {"4,25", std::nullopt},
               {"4.2x", std::nullopt},
               {"nan", std::nullopt},
               {"inf", std::nullopt},
               {"1e3", std::nullopt}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(WeightValue(c.text), c.value);
  }
}

TEST(RecordsFile, SortsHeaviestFirstAndLeavesNonNumbersInPlace) {
  BigFishTable t;
  const char* in[10] = {"4.10", "0.0", "9.50", "x", "5.25", "0.0", "12.01", "4.75", "", "6.00"};
  for (size_t i = 0; i < 10; ++i) t[i].Weight = in[i];
  SortBigFishRecords(t);
  EXPECT_EQ(Weights(t),
            (std::vector<std::string>{"12.01", "9.50", "6.00", "x", "5.25", "4.75", "4.10", "0.0", "", "0.0"}));
  BigStringerTable s;
  const char* totals[10] = {"30.00", "45.50", "0.0", "bad", "52.10", "0.0", "0.0", "0.0", "0.0", "0.0"};
  for (size_t i = 0; i < 10; ++i) s[i].Weight = totals[i];
  SortBigStringerRecords(s);
  EXPECT_EQ(Weights(s),
            (std::vector<std::string>{"52.10", "45.50", "30.00", "bad", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0"}));
}

// A game whose folder holds the records files a test writes first.
struct Records : ::testing::Test {
  GameFixture f{false};
  void write(const char* name, const std::string& bytes) {
    QFile file(QString::fromStdString(f.path(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  std::string read(const std::string& name) { return ReadWholeFile(f.path(name)).value_or("<missing>"); }
  // The records part of start-up.
  void start() {
    g().GameFolder = f.folder();
    g().ResetGameState();
    LoadRecords(g());
    g().tour.AnglerName = "Pat Caster";
    g().tour.FixedDate = "6/1/2024";
    g().lake.LakeName = "Cedar Hollow";
  }
  Game& g() { return *f.game; }
};

TEST_F(Records, NoFilesGiveEmptyTablesAndTheFirstBigBassMakesTheFile) {
  start();
  EXPECT_TRUE(f.port.boxes.empty());
  EXPECT_TRUE(g().view.isEnabled(Ctl::ViewRecords1));
  for (const RecordRow& row : RecordsGridRows(g()).bigFish) EXPECT_EQ(row, RecordRow{});

  LandFish(g(), 0, 3.99);
  EXPECT_FALSE(FileExists(f.path("BigFish.btp")));
  EXPECT_EQ(g().tour.records.BigFishRecords[0].Weight, "0.0");

  g().setTimer(TimerId::Main, true);
  LandFish(g(), 1, 4.0);
  EXPECT_EQ(f.port.texts().back(),
            "This fish is one of the TOP TEN fish\rever caught!\r\rAdding it to the all-time records!");
  EXPECT_TRUE(f.port.neverInterruptedWithTimer());
  const std::string bytes = read("BigFish.btp");
  EXPECT_EQ(bytes.size(), 1250u);
  EXPECT_EQ(bytes.substr(0, 125), FishRecordBytes("Pat Caster", "6/1/2024", "4.00", "Cedar Hollow", "Smallmouth"));
  EXPECT_EQ(RecordsGridRows(g()).bigFish[0],
            (RecordRow{"Pat Caster", "Smallmouth", "4.00", "6/1/2024", "Cedar Hollow"}));
  EXPECT_EQ(RecordsGridRows(g()).bigFish[1], RecordRow{});
}

TEST_F(Records, AStoredBigFishFileIsShownAsStoredUntilTheNextEntry) {
  write("BigFish.btp", FishRecordBytes("A", "d", "5.00", "L", "Largemouth") +
                           FishRecordBytes("B", "d", "7.25", "L", "Spotted") +
                           FishRecordBytes("C", "d", "0.00", "L", "Largemouth"));
  write("BigStr.btp", StringerRecordBytes("X", "Novice", "d", "20.00", "L") +
                          StringerRecordBytes("Y", "Professional", "d", "31.50", "L"));
  start();
  EXPECT_TRUE(f.port.boxes.empty());
  const RecordsRows rows = RecordsGridRows(g());
  EXPECT_EQ(rows.bigFish[0][0], "A");
  EXPECT_EQ(rows.bigFish[1][0], "B");
  EXPECT_EQ(rows.bigFish[2][2], "0.00");  // "0.00" is not the empty record's "0.0"
  EXPECT_EQ(rows.bigFish[3], RecordRow{});
  EXPECT_EQ(rows.totWgt[0], (RecordRow{"Y", "Professional", "31.50", "d", "L"}));
  EXPECT_EQ(rows.totWgt[1][0], "X");

  LandFish(g(), 0, 6.5);
  EXPECT_EQ(Weights(g().tour.records.BigFishRecords),
            (std::vector<std::string>{"7.25", "6.50", "5.00", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.00"}));
}

TEST_F(Records, AFullTableTakesOnlyAHeavierFish) {
  std::string bytes;
  for (int i = 0; i < 10; ++i) bytes += FishRecordBytes("A", "d", i == 9 ? "5.10" : "8.00", "L", "Largemouth");
  write("BigFish.btp", bytes);
  start();
  EXPECT_FALSE(CheckBigFishRecord(g(), 0, 5.10));
  EXPECT_FALSE(CheckBigFishRecord(g(), 0, 5.099));  // 5.10 as the record writes it
  EXPECT_TRUE(CheckBigFishRecord(g(), 2, 5.11));
  EXPECT_EQ(g().tour.records.BigFishRecords[9].Weight, "5.11");
  EXPECT_EQ(g().tour.records.BigFishRecords[9].Species, "Spotted");
  // A tenth record that is not a number is never displaced.
  g().tour.records.BigFishRecords[9].Weight = "heavy";
  EXPECT_FALSE(CheckBigFishRecord(g(), 0, 9.0));
  EXPECT_EQ(g().tour.records.BigFishRecords[9].Weight, "heavy");
}

TEST_F(Records, ADamagedFileKeepsItsWholeRecordsAndIsNotOverwritten) {
  const std::string fish = FishRecordBytes("A", "d", "5.00", "L", "Largemouth") + std::string(60, '\1');
  const std::string totals = StringerRecordBytes("X", "Novice", "d", "20.00", "L") + std::string(10, '\1');
  write("BigFish.btp", fish);
  write("BigStr.btp", totals);
  start();
  EXPECT_EQ(f.port.texts(), (std::vector<std::string>{"ERROR: Unable to read Big Fish file.",
                                                      "ERROR: Unable to read Big Stringer file."}));
  EXPECT_EQ(f.port.boxes[0].kind, BoxKind::Plain);
  EXPECT_FALSE(g().view.isEnabled(Ctl::ViewRecords1));
  EXPECT_EQ(g().tour.records.BigFishRecords[0].Angler, "A");
  EXPECT_EQ(g().tour.records.BigStringerRecords[0].Angler, "X");

  // Shutdown leaves the unreadable stringer file as it was.
  g().FormClose();
  EXPECT_EQ(read("BigStr.btp"), totals);
  EXPECT_FALSE(FileExists(f.path("BigStr.btp.bak")));

  // A new big fish must be written: the damaged file is kept beside it first.
  LandFish(g(), 0, 4.5);
  EXPECT_EQ(read("BigFish.btp.bak"), fish);
  const std::string now = read("BigFish.btp");
  EXPECT_EQ(now.size(), 1250u);
  EXPECT_EQ(now.substr(0, 125), FishRecordBytes("A", "d", "5.00", "L", "Largemouth"));

  // So is the stringer file when a new total comes in.
  g().tour.records.BigStringerRecords[1].Weight = "25.00";
  EXPECT_TRUE(SaveBigStringerRecords(g()));
  EXPECT_EQ(read("BigStr.btp.bak"), totals);
  EXPECT_EQ(read("BigStr.btp").size(), 850u);
}

TEST_F(Records, TheStringerFileIsRewrittenAtShutdownAndFailedWritesSaySo) {
  start();
  g().FormClose();
  EXPECT_EQ(read("BigStr.btp"), EmptyStringerRecords(10));

  // A folder that cannot be written: the messages, the entry stays in memory.
  g().GameFolder = f.path("no-such-folder/");
  g().setTimer(TimerId::Main, true);
  f.port.boxes.clear();
  LandFish(g(), 0, 8.0);
  EXPECT_EQ(f.port.texts().back(), "Error writing Big Fish file.");
  EXPECT_EQ(g().tour.records.BigFishRecords[0].Weight, "8.00");
  EXPECT_FALSE(SaveBigStringerRecords(g()));
  EXPECT_EQ(f.port.texts().back(), "ERROR: Unable to update Big Stringer file.");
  EXPECT_TRUE(f.port.neverInterruptedWithTimer());
}

TEST_F(Records, ThePrintoutListsBothTables) {
  write("BigFish.btp", FishRecordBytes("A", "d", "5.00", "L", "Largemouth"));
  write("BigStr.btp", StringerRecordBytes("X", "Novice", "e", "20.00", "M"));
  start();
  RecordsPrintBtnClick(g());
  ASSERT_EQ(f.port.printJobs.size(), 1u);
  const auto& job = f.port.printJobs[0];
  EXPECT_TRUE(job.ended);
  EXPECT_EQ(f.port.busyCursor, 0);
  const std::string dashes(70, '-');
  std::vector<TestPort::PrintedText> want = {
      {100, 200, "Lurewick Big Fish Records"},
      {100, 270, dashes},
      {100, 320, "   Angler            Species       Weight     Date     Lake"},
      {100, 370, dashes},
      {100, 420, "A"},
      {730, 420, "Largemouth"},
      {1150, 420, "5.00"},
      {1500, 420, "d"},
      {1750, 420, "L"},
      {100, 1070, "Lurewick 3 Day Total Weight Records"},
      {100, 1140, dashes},
      {100, 1190, "   Angler            Skill           Weight     Date     Lake"},
      {100, 1240, dashes},
      {100, 1290, "X"},
      {730, 1290, "Novice"},
      {1200, 1290, "20.00"},
      {1500, 1290, "e"},
      {1750, 1290, "M"}};
  ASSERT_EQ(job.texts.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(job.texts[i].x, want[i].x) << i;
    EXPECT_EQ(job.texts[i].y, want[i].y) << i;
    EXPECT_EQ(job.texts[i].text, want[i].text) << i;
  }
}

TEST_F(Records, TheRecordsWindowOpensWithTheMainTimerStopped) {
  start();
  g().setTimer(TimerId::Main, true);
  ViewRecords1Click(g());
  EXPECT_EQ(f.port.modalShown, (std::vector<WindowId>{WindowId::Records}));
  EXPECT_TRUE(f.port.neverInterruptedWithTimer());
  EXPECT_TRUE(f.port.timerRunning(TimerId::Main));
  EXPECT_FALSE(g().DialogUp);
}

}  // namespace
}  // namespace lwk
