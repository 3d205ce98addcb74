#include "tournament/Records.h"

#include <QDate>
#include <QLocale>
#include <charconv>

#include "shell/Files.h"
#include "shell/Game.h"
#include "shell/Text1252.h"
#include "tournament/Livewell.h"
#include "tournament/Standings.h"

namespace lwk {

namespace {

constexpr const char* kBigFishFile = "BigFish.btp";
constexpr const char* kBigStringerFile = "BigStr.btp";
constexpr const char* kBigFishWriteError = "Error writing Big Fish file.";
constexpr const char* kBigStringerWriteError = "ERROR: Unable to update Big Stringer file.";

// A text as its records field keeps it: at most maxLen single-byte characters.
std::string FieldText(const std::string& s, std::size_t maxLen) {
  return FromWindows1252(ToWindows1252(s, maxLen));
}

std::string RecordWeightText(double weight) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, weight, std::chars_format::fixed, 2);
  return std::string(buf, res.ptr).substr(0, 5);
}

// Reads one records file into its (already emptied) table; false when it
// exists but cannot be read whole.
template <class Table, class Decode>
bool ReadRecordsFile(const std::string& path, Table& table, Decode decode) {
  if (!FileExists(path)) return true;
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return false;
  return decode(*bytes, table).complete;
}

// Rewrites one records file. A file that failed to load is first kept beside
// it as <name>.bak, so the records it may still hold are never lost to the
// new table; when that copy cannot be made the file is left alone.
bool WriteRecordsFile(Game& g, const std::string& path, const std::string& bytes, bool& loadFailed,
                      const char* errorText) {
  // A game that has no folder yet (before start-up) keeps no records.
  if (g.GameFolder.empty()) return true;
  if (loadFailed && FileExists(path)) {
    const auto old = ReadWholeFile(path);
    if (!old || !WriteFileAtomically(path + ".bak", *old)) {
      g.PlayMessage(BoxKind::Error, errorText);
      return false;
    }
  }
  if (!WriteFileAtomically(path, bytes)) {
    g.PlayMessage(BoxKind::Error, errorText);
    return false;
  }
  loadFailed = false;
  return true;
}

bool WriteBigStringerFile(Game& g) {
  RecordsState& r = g.tour.records;
  return WriteRecordsFile(g, BigStringerFilePath(g), EncodeBigStringerRecords(r.BigStringerRecords),
                          r.BigStringerLoadFailed, kBigStringerWriteError);
}

}  // namespace

std::string BigFishFilePath(const Game& g) {
  return FindGameFile(g.GameFolder, kBigFishFile);
}

std::string BigStringerFilePath(const Game& g) {
  return FindGameFile(g.GameFolder, kBigStringerFile);
}

std::string RecordDate(const Game& g) {
  if (!g.tour.FixedDate.empty()) return g.tour.FixedDate.substr(0, 10);
  return TodayText(QLocale::system(), QDate::currentDate());
}

void LoadRecords(Game& g) {
  RecordsState& r = g.tour.records;
  r.BigFishRecords = BigFishTable{};
  r.BigFishLoadFailed = !ReadRecordsFile(BigFishFilePath(g), r.BigFishRecords, DecodeBigFishRecords);
  if (r.BigFishLoadFailed) {
    g.Message(BoxKind::Plain, "ERROR: Unable to read Big Fish file.");
    g.view.enable(Ctl::ViewRecords1, false);
  }
  r.BigStringerRecords = BigStringerTable{};
  r.BigStringerLoadFailed = !ReadRecordsFile(BigStringerFilePath(g), r.BigStringerRecords, DecodeBigStringerRecords);
  r.BigStringerChanged = false;
  SortBigStringerRecords(r.BigStringerRecords);
  if (r.BigStringerLoadFailed) {
    g.Message(BoxKind::Plain, "ERROR: Unable to read Big Stringer file.");
    g.view.enable(Ctl::ViewRecords1, false);
  }
  g.Changed();
}

bool CheckBigFishRecord(Game& g, std::uint8_t species, double weight) {
  if (weight < kRecordFishWeight) return false;
  BigFishTable& table = g.tour.records.BigFishRecords;
  const std::string text = RecordWeightText(weight);
  const auto value = WeightValue(text);
  const auto lightest = WeightValue(table.back().Weight);
  if (!value || !lightest || !(*value > *lightest)) return false;
  table.back() = BigFishRecord{FieldText(g.tour.AnglerName, 20), FieldText(RecordDate(g), 10), text,
                               FieldText(g.lake.LakeName, 65), LiveWellSpeciesName(species)};
  SortBigFishRecords(table);
  return true;
}

bool SaveBigFishRecords(Game& g) {
  RecordsState& r = g.tour.records;
  return WriteRecordsFile(g, BigFishFilePath(g), EncodeBigFishRecords(r.BigFishRecords), r.BigFishLoadFailed,
                          kBigFishWriteError);
}

bool SaveBigStringerRecords(Game& g) {
  g.tour.records.BigStringerChanged = true;
  return WriteBigStringerFile(g);
}

void UpdateBigStringerFile(Game& g) {
  const RecordsState& r = g.tour.records;
  // An unreadable file is not replaced by the partial table it left us.
  if (r.BigStringerLoadFailed && !r.BigStringerChanged) return;
  WriteBigStringerFile(g);
}

void ViewRecords1Click(Game& g) {
  g.DialogUp = true;
  g.IdleSeconds = 0;
  g.PlayModal(WindowId::Records);
  g.DialogUp = false;
}

RecordsRows RecordsGridRows(const Game& g) {
  RecordsRows rows;
  const RecordsState& r = g.tour.records;
  for (std::size_t i = 0; i < kRecordsKept; ++i) {
    const BigFishRecord& f = r.BigFishRecords[i];
    if (f.Weight != kEmptyRecordWeight) rows.bigFish[i] = {f.Angler, f.Species, f.Weight, f.Date, f.Lake};
    const BigStringerRecord& s = r.BigStringerRecords[i];
    if (s.Weight != kEmptyRecordWeight) rows.totWgt[i] = {s.Angler, s.Skill, s.Weight, s.Date, s.Lake};
  }
  return rows;
}

void RecordsPrintBtnClick(Game& g) {
  g.IdleSeconds = 0;
  auto canvas = g.port.beginPrint("Lurewick All-Time Records");
  if (!canvas) return;
  g.port.setBusyCursor(true);
  const RecordsRows rows = RecordsGridRows(g);
  const std::string dashes(70, '-');
  constexpr int kX = 100;
  constexpr int kLine = 50;
  constexpr const char* kFont = "Arial";
  auto printRows = [&](const std::array<RecordRow, 10>& grid, const std::array<int, 5>& columns, int y) {
    for (const RecordRow& row : grid) {
      for (std::size_t c = 0; c < row.size(); ++c)
        if (!row[c].empty()) canvas->textOut(columns[c], y, row[c]);
      y += kLine;
    }
    return y - kLine;  // the last row's line
  };

  canvas->setFont(kFont, 16, true);
  canvas->textOut(kX, 200, "Lurewick Big Fish Records");
  canvas->setFont(kFont, 12, false);
  canvas->textOut(kX, 270, dashes);
  canvas->textOut(kX, 320, "   Angler            Species       Weight     Date     Lake");
  canvas->textOut(kX, 370, dashes);
  int y = printRows(rows.bigFish, {100, 730, 1150, 1500, 1750}, 420);

  y += 200;
  canvas->setFont(kFont, 16, true);
  canvas->textOut(kX, y, "Lurewick 3 Day Total Weight Records");
  canvas->setFont(kFont, 12, false);
  y += 70;
  canvas->textOut(kX, y, dashes);
  y += kLine;
  canvas->textOut(kX, y, "   Angler            Skill           Weight     Date     Lake");
  y += kLine;
  canvas->textOut(kX, y, dashes);
  printRows(rows.totWgt, {100, 730, 1200, 1500, 1750}, y + kLine);

  const bool printed = canvas->endDoc();
  g.port.setBusyCursor(false);
  if (!printed) g.Message(BoxKind::Error, "ERROR: Unable to print the records.");
}

}  // namespace lwk
