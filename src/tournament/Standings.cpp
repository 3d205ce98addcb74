#include "tournament/Standings.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <algorithm>
#include <charconv>

#include "shell/Game.h"

namespace lwk {

const std::array<const char*, kFieldSize> CompetitorNames{{
    "Dale Whitacre",  "Rosa Quintanilla", "Hank Belvedere",  "Marcy Tollund",    "Earl Fennimore", "Juniper Haskett",
    "Tomas Ruzicka",  "Lorna Pettibone",  "Wade Ashcombe",   "Bettina Crull",    "Otis Ravenell",  "Priya Lakewood",
    "Clem Doubleday", "Yvette Marchand",  "Boyd Kettering",  "Nadia Sorensen",   "Ruben Ochoa",    "Gail Brisbane",
    "Virgil Stamper", "Keiko Yamaura",    "Lyle Underhill",  "Dot Fairweather",  "Amos Petrakis",  "Shirl McGowan",
    "Buck Lindqvist", "Tamsin Avery",     "Ezra Holloway",   "Carmen Villalba",  "Rusty Oberholt", "Imogen Tate",
    "Jerome Bassett", "Wanda Kowalczyk",  "Floyd Merriwell", "Ingrid Halvorsen", "Cletus Boone",   "Mae Armistead",
    "Desmond Okafor", "Lottie Greer",     "Harlan Voss",     "Opal Treadwell",
}};

namespace {

constexpr int kStandingsRows = kPlayerRow + 1;

bool FinalStandings(const TournamentState& t) {
  return t.TournamentDay >= 2 && t.TournamentOver;
}

std::string Upper(const std::string& s) {
  return QString::fromStdString(s).toUpper().toStdString();
}

// The weight built from the text of a, a point and b, cut to 6 characters
// and read with "." whatever the locale.
double BuiltWeight(int a, int b) {
  std::string text = std::to_string(a) + "." + std::to_string(b);
  if (text.size() > 6) text.resize(6);
  double v = 0;
  auto r = std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::fixed);
  return r.ec == std::errc() ? v : 0;
}

}  // namespace

std::string Fixed2(double v) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2);
  std::string s(buf, r.ptr);
  return s == "-0.00" ? "0.00" : s;
}

std::string CutName(const std::string& name, int n) {
  QString s = QString::fromStdString(name);
  if (s.size() > n) {
    int cut = n;
    // Never split a pair of surrogates: that would cut a character in two.
    if (cut > 0 && s.at(cut - 1).isHighSurrogate()) --cut;
    s.truncate(cut);
  }
  return s.toStdString();
}

std::string TodayText(const QLocale& locale, const QDate& day) {
  // The records and the printouts hold ten characters of date. A locale whose
  // short date is longer (the C locale writes "10 Dec 2026") gets the
  // numeric form rather than a cut year.
  const QString text = locale.toString(day, QLocale::ShortFormat);
  if (text.size() > 10) return day.toString("yyyy-MM-dd").toStdString();
  return text.toStdString();
}

std::string TodayText() {
  return TodayText(QLocale(), QDate::currentDate());
}

void NewField(Game& g) {
  TournamentState& t = g.tour;
  for (int k = 0; k < kFieldSize; ++k)
    t.TournamentField[static_cast<size_t>(k)] = {CompetitorNames[static_cast<size_t>(k)], {}};
  t.TournamentField[kPlayerRow] = {t.AnglerName, {}};
  t.DayLunker = {};
  // The entry form.
  t.AnglerName.clear();
  const auto entered = g.port.inputBox("Lurewick Tournament Entry Form", "Enter Your Name", "");
  if (entered) t.AnglerName = CutName(*entered, kAnglerNameMax);
  if (QString::fromStdString(t.AnglerName).trimmed().isEmpty()) t.AnglerName = "Unknown Angler";
  t.TournamentField[kPlayerRow].Name = t.AnglerName;
}

int FieldWeightRange(int playLevel) {
  switch (playLevel) {
    case Novice:
      return 17;
    case Intermediate:
      return 19;
    default:
      return 21;  // Practice and Professional
  }
}

double TextWeight(int a, int b) {
  const double v = BuiltWeight(a, b);
  return v < 1.0 ? 0 : v;
}

void GenerateFieldWeights(Game& g, int day, double playerBiggestFish) {
  TournamentState& t = g.tour;
  if (day < 0 || day >= kTournamentDays) return;
  const size_t d = static_cast<size_t>(day);
  const int range = FieldWeightRange(g.prefs.PlayLevel);
  for (int k = 0; k < kFieldSize; ++k) {
    const int a = g.Random(range);
    const int b = g.Random(100);
    t.TournamentField[static_cast<size_t>(k)].DayWeight[d] = TextWeight(a, b);
  }
  // The day's lunker: between 3 and 7.99 pounds.
  const int whole = 3 + g.Random(5);
  double lunker = BuiltWeight(whole, g.Random(100));
  auto weightOf = [&](int k) -> double& { return t.TournamentField[static_cast<size_t>(k)].DayWeight[d]; };
  int winner = 0;
  bool anyone = false;
  for (int k = 0; k < kFieldSize; ++k) anyone = anyone || weightOf(k) >= lunker;
  if (anyone) {
    do {
      winner = g.Random(kFieldSize);
    } while (weightOf(winner) < lunker);
    if (weightOf(winner) < lunker + 1.0) weightOf(winner) = lunker;
  } else {
    // Nobody reached it: the heaviest angler of the day takes the award with
    // the fish his day weight stands for.
    for (int k = 1; k < kFieldSize; ++k)
      if (weightOf(k) > weightOf(winner)) winner = k;
    lunker = weightOf(winner);
  }
  t.DayLunker[d] = {lunker, CompetitorNames[static_cast<size_t>(winner)]};
  if (playerBiggestFish > lunker) t.DayLunker[d] = {playerBiggestFish, t.AnglerName};
}

void StandingsFormShow(Game& g) {
  TournamentState& t = g.tour;
  StandingsView& v = t.standings;
  if (t.TournamentDay == 0)
    for (int p = 0; p < kStandingsRows; ++p)
      v.rows[static_cast<size_t>(p)] = {std::to_string(p + 1), "", "", "", "", ""};
  std::array<AnglerEntry, kStandingsRows> sorted = t.TournamentField;
  for (int i = 0; i < kStandingsRows; ++i)
    for (int j = 0; j < kStandingsRows; ++j)
      if (sorted[static_cast<size_t>(j)].total() < sorted[static_cast<size_t>(i)].total())
        std::swap(sorted[static_cast<size_t>(i)], sorted[static_cast<size_t>(j)]);
  const std::string me = Upper(t.AnglerName);
  for (int p = 0; p < kStandingsRows; ++p) {
    const AnglerEntry& e = sorted[static_cast<size_t>(p)];
    auto& row = v.rows[static_cast<size_t>(p)];
    row[0] = std::to_string(p + 1);
    row[1] = e.Name;
    row[2] = Fixed2(e.DayWeight[0]);
    if (t.TournamentDay >= 1) row[3] = Fixed2(e.DayWeight[1]);
    if (FinalStandings(t)) row[4] = Fixed2(e.DayWeight[2]);
    row[5] = Fixed2(e.total());
    v.highlighted[static_cast<size_t>(p)] = Upper(e.Name).find(me) != std::string::npos;
  }
  v.title = FinalStandings(t) ? "Final Standings" : "Day " + std::to_string(t.TournamentDay + 1) + " Standings";
}

void ShowStandings(Game& g) {
  StandingsFormShow(g);
  g.port.showModal(WindowId::ShowStan);
}

void ViewCurrentStandings1Click(Game& g) {
  g.DialogUp = true;
  g.IdleSeconds = 0;
  if (g.tour.TournamentDay == 0)
    g.PlayMessage(BoxKind::Plain, "The weigh in has not happened yet\rso no standings are available.");
  else {
    StandingsFormShow(g);
    g.PlayModal(WindowId::ShowStan);
  }
  g.DialogUp = false;
}

void StandingsPrintBtnClick(Game& g) {
  const TournamentState& t = g.tour;
  const StandingsView& v = t.standings;
  g.port.setBusyCursor(true);
  auto canvas = g.port.beginPrint("Lurewick Standings");
  if (!canvas) {
    g.port.setBusyCursor(false);
    return;
  }
  const bool final = FinalStandings(t);
  constexpr int x = 200;
  canvas->setFont("Ariel", 16, true);
  canvas->textOut(
      x, 100,
      final ? "Final Standings --    Date: " + TodayText()
            : "Current Standings For Day " + std::to_string(t.TournamentDay + 1) + "    Date: " + TodayText());
  canvas->setFont("Ariel", 12, false);
  canvas->textOut(x, 200, "Body Of Water: " + g.lake.LakeName);
  canvas->textOut(x, 250, "Skill Level: " + LevelName(g.prefs.PlayLevel));
  canvas->textOut(x, 300, "Angler: " + t.AnglerName);
  canvas->textOut(x, 400, "   Angler               Day 1 Wgt   Day 2 Wgt   Day 3 Wgt   TOTAL");
  canvas->textOut(x, 450, std::string(66, '-'));
  int y = 490;
  for (const auto& row : v.rows) {
    canvas->textOut(200, y, row[0]);
    canvas->textOut(300, y, row[1]);
    canvas->textOut(925, y, row[2]);
    if (t.TournamentDay >= 1) canvas->textOut(1300, y, row[3]);
    if (final) canvas->textOut(1650, y, row[4]);
    canvas->textOut(2000, y, row[5]);
    y += 50;
  }
  auto lunkerLine = [&](int d) {
    const LunkerEntry& l = t.DayLunker[static_cast<size_t>(d)];
    canvas->textOut(x, y, "Day " + std::to_string(d + 1) + " Lunker : " + l.Name + " - " + Fixed2(l.Weight) + " lbs.");
    y += 50;
  };
  lunkerLine(0);
  if (t.TournamentDay >= 1) lunkerLine(1);
  if (final) lunkerLine(2);
  canvas->endDoc();
  g.port.setBusyCursor(false);
}

}  // namespace lwk
