#include "boat/Gps.h"

#include <algorithm>
#include <cmath>

#include "lake/BoatSprite.h"
#include "shell/Files.h"
#include "shell/Game.h"

namespace lwk {

namespace {

constexpr int kRecordSize = 40;
constexpr double kCellsToScreen = 0.32;  // 200 lake cells onto 64 screen pixels
constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kBlue = 0xFF0000FF;

QImage& Screen(Game& g) {
  QImage& s = g.view.gpsScreen;
  if (s.isNull() || s.width() != kScreenSize || s.height() != kScreenSize) {
    s = QImage(kScreenSize, kScreenSize, QImage::Format_RGB32);
    s.fill(kBlack);
  }
  return s;
}

int ScreenIndex(int cell) {
  return std::clamp(static_cast<int>(std::lround(cell * kCellsToScreen)), 0, kScreenSize - 1);
}

void SetMarker(GpsState& gps, int col, int row) {
  gps.Markers[static_cast<size_t>(ScreenIndex(col))][static_cast<size_t>(ScreenIndex(row))] = 1;
}

void Fill(QImage& s, int x0, int y0, int x1, int y1, QRgb c) {
  for (int y = std::max(0, y0); y <= std::min(kScreenSize - 1, y1); ++y)
    for (int x = std::max(0, x0); x <= std::min(kScreenSize - 1, x1); ++x) s.setPixel(x, y, c);
}

// A filled square with an outline of another colour, corners included.
void Square(QImage& s, int x0, int y0, int x1, int y1, QRgb outline, QRgb fill) {
  Fill(s, x0, y0, x1, y1, outline);
  Fill(s, x0 + 1, y0 + 1, x1 - 1, y1 - 1, fill);
}

// Keeps at most n bytes without cutting a character in two.
std::string CutText(const std::string& s, size_t n) {
  if (s.size() <= n) return s;
  size_t end = n;
  while (end > 0 && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80) --end;
  return s.substr(0, end);
}

int FirstUnusedSlot(const GpsState& gps) {
  for (int i = 1; i <= kWaypointSlots; ++i)
    if (!gps.Waypoints[static_cast<size_t>(i)].used()) return i;
  return kWaypointSlots + 1;
}

void PutInt32(std::string& out, std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

std::int32_t GetInt32(std::string_view b, size_t at) {
  std::uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
  return static_cast<std::int32_t>(u);
}

void Arrived(Game& g) {
  BoatState& b = g.boat;
  GpsState& gps = b.gps;
  g.DialogUp = true;
  Fill(Screen(g), 16, 16, 48, 48, kAqua);
  if (b.OutboardOn) {
    g.setTimer(TimerId::KeyDown, false);
    b.ThrottleSetting = 1;
    g.view.throttlePos = 19;
  }
  const int n = std::clamp(gps.SelectedWpt, 1, kWaypointSlots);
  g.PlayMessage(BoxKind::Plain, "You have reached WayPoint " + std::to_string(n) + "\r\r\"" +
                                    gps.Waypoints[static_cast<size_t>(n)].text + "\"");
  gps.Arrow = -1;
  gps.PlotMode = true;
  GpsRedraw(g);
  g.DialogUp = false;
}

}  // namespace

void GpsScreenOn(Game& g) {
  Screen(g).fill(kAqua);
  g.Changed();
}

void GpsScreenOff(Game& g) {
  Screen(g).fill(kBlack);
  g.Changed();
}

void ClearGpsTrail(Game& g) {
  for (auto& col : g.boat.gps.GpsTrail) col.fill(0);
}

void GpsPowerOff(Game& g) {
  g.boat.GpsOn = false;
  GpsScreenOff(g);
  g.view.gpsPwrOn = false;
  for (Ctl c : {Ctl::PlotGPS, Ctl::SetWpt, Ctl::GoToWpt}) g.view.enable(c, false);
  ClearGpsTrail(g);
  g.Changed();
}

void GPSpwrClick(Game& g) {
  BoatState& b = g.boat;
  b.GpsOn = !b.GpsOn;
  if (b.GpsOn && b.MainBatteryCharge <= 0) {
    g.PlayMessage(BoxKind::Plain, "Your Main Battery is dead.\rThe GPS will not work.");
    b.GpsOn = false;
  }
  if (b.GpsOn) {
    GpsScreenOn(g);
    g.view.gpsPwrOn = true;
    for (Ctl c : {Ctl::PlotGPS, Ctl::SetWpt, Ctl::GoToWpt}) g.view.enable(c, true);
  } else {
    GpsPowerOff(g);
  }
  g.UserInput();
  g.Changed();
}

void PlotGPSClick(Game& g) {
  g.boat.gps.PlotMode = true;
  GpsScreenOn(g);
  g.UserInput();
}

void GpsTrailMark(Game& g) {
  BoatState& b = g.boat;
  b.gps.GpsTrail[static_cast<size_t>(ScreenIndex(b.BoatCol))][static_cast<size_t>(ScreenIndex(b.BoatRow))] = 1;
}

int GpsArrowTo(const Game& g, int wc, int wr) {
  const int c = g.boat.BoatCol;
  const int r = g.boat.BoatRow;
  if (wc < c && wr < r) return 7;
  if (wc < c && wr > r) return 5;
  if (wc > c && wr < r) return 1;
  if (wc > c && wr > r) return 3;
  if (wc < c) return 6;
  if (wc > c) return 2;
  if (wr < r) return 0;
  if (wr > r) return 4;
  return -1;
}

void GpsRedraw(Game& g) {
  GpsState& gps = g.boat.gps;
  QImage& s = Screen(g);
  if (gps.PlotMode) {
    for (int x = 0; x < kScreenSize; ++x)
      for (int y = 0; y < kScreenSize; ++y) {
        if (!gps.GpsTrail[static_cast<size_t>(x)][static_cast<size_t>(y)]) continue;
        s.setPixel(x, y, kBlack);
        if (gps.Markers[static_cast<size_t>(x)][static_cast<size_t>(y)])
          Square(s, x - 2, y - 2, x + 2, y + 2, kBlack, kYellow);
      }
    g.Changed();
    return;
  }
  if (gps.Arrow < 0) return;
  const Waypoint& w = gps.Waypoints[static_cast<size_t>(std::clamp(gps.SelectedWpt, 1, kWaypointSlots))];
  gps.Arrow = GpsArrowTo(g, w.col, w.row);
  if (gps.Arrow < 0) {
    Arrived(g);
    return;
  }
  Square(s, 16, 16, 48, 48, kBlue, kAqua);
  g.pictures.gpsArrows.draw(s, 16, 16, static_cast<size_t>(gps.Arrow));
  g.Changed();
}

void SetWptClick(Game& g) {
  BoatState& b = g.boat;
  GpsState& gps = b.gps;
  g.DialogUp = true;
  if (gps.NextFreeWpt > kWaypointSlots) {
    g.Message(BoxKind::Plain, "All 100 WayPoints are in use.\r\rYou must erase at least one before entering more.");
    g.DialogUp = false;
    return;
  }
  const int n = gps.NextFreeWpt;
  auto text =
      g.port.inputBox("Enter WayPoint Description", "WayPoint " + std::to_string(n) + " Description", std::string());
  if (text && text->empty()) {
    g.port.beep();
    g.Message(BoxKind::Plain, "No description entered. WayPoint not saved.");
  } else if (text) {
    Waypoint& w = gps.Waypoints[static_cast<size_t>(n)];
    w.col = b.BoatCol;
    w.row = b.BoatRow;
    w.text = CutText(*text, kWaypointTextMax);
    SetMarker(gps, b.BoatCol, b.BoatRow);
    ++gps.NextFreeWpt;
    gps.Dirty = true;
  }
  g.port.processEvents();
  if (g.view.lakeVisible) DrawBoat(g);
  g.DialogUp = false;
  g.Changed();
}

void GoToWptClick(Game& g) {
  GpsState& gps = g.boat.gps;
  g.UserInput();
  if (!gps.WaypointsAvailable && gps.NextFreeWpt <= 1) {
    g.Message(BoxKind::Plain, "There are no WayPoints loaded.");
    return;
  }
  gps.PickCaption = "Select WayPoint To Track";
  if (g.PlayModal(WindowId::PickWPT) != ModalResult::Ok) return;
  const Waypoint& w = gps.Waypoints[static_cast<size_t>(std::clamp(gps.SelectedWpt, 1, kWaypointSlots))];
  // An empty slot has nowhere to point to: the GPS stays in plot mode.
  if (!w.used()) return;
  gps.PlotMode = false;
  if (g.boat.GpsOn) {
    GpsScreenOn(g);
    gps.Arrow = std::max(0, GpsArrowTo(g, w.col, w.row));
    GpsRedraw(g);
  }
}

void WPTgridSelectCell(Game& g, int row) {
  if (row >= 1 && row <= kWaypointSlots) g.boat.gps.SelectedWpt = row;
  g.UserInput();
}

void WPTgridSetEditText(Game& g, int row, const std::string& text) {
  if (row < 1 || row > kWaypointSlots) return;
  g.boat.gps.Waypoints[static_cast<size_t>(row)].text = CutText(text, kWaypointTextMax);
  g.boat.gps.Dirty = true;
}

void EraseBtnClick(Game& g, int row) {
  GpsState& gps = g.boat.gps;
  g.UserInput();
  if (row < 1 || row > kWaypointSlots) return;
  gps.Waypoints[static_cast<size_t>(row)].text.clear();
  for (int i = row; i < kWaypointSlots; ++i)
    gps.Waypoints[static_cast<size_t>(i)] = gps.Waypoints[static_cast<size_t>(i + 1)];
  gps.Waypoints[kWaypointSlots] = Waypoint{};
  gps.NextFreeWpt = FirstUnusedSlot(gps);
  gps.Dirty = true;
}

void PickOkBtnClick(Game& g, int row) {
  WPTgridSelectCell(g, row);
}

std::string WaypointFilePath(const std::string& lakePath) {
  return ReplaceExtension(lakePath, ".wpt");
}

std::string EncodeWaypoints(const GpsState& gps) {
  std::string out;
  for (int i = 1; i <= kWaypointSlots; ++i) {
    const Waypoint& w = gps.Waypoints[static_cast<size_t>(i)];
    PutInt32(out, w.col);
    PutInt32(out, w.row);
    const std::string text = w.used() ? w.text.substr(0, kWaypointTextMax) : std::string();
    out.push_back(static_cast<char>(text.size()));
    out += text;
    out.append(static_cast<size_t>(kWaypointTextMax) - text.size(), '\0');
    out.push_back('\0');
    if (!w.used()) break;
  }
  return out;
}

bool DecodeWaypoints(std::string_view bytes, std::vector<Waypoint>& out) {
  out.clear();
  size_t at = 0;
  while (out.size() < static_cast<size_t>(kWaypointSlots)) {
    if (at == bytes.size()) return true;
    if (bytes.size() - at < static_cast<size_t>(kRecordSize)) return false;
    Waypoint w;
    w.col = GetInt32(bytes, at);
    w.row = GetInt32(bytes, at + 4);
    if (!w.used()) return true;
    const size_t len = std::min<size_t>(static_cast<unsigned char>(bytes[at + 8]), kWaypointTextMax);
    w.text = std::string(bytes.substr(at + 9, len));
    out.push_back(w);
    at += kRecordSize;
  }
  return true;
}

bool LoadWaypointFile(Game& g, const std::string& lakePath) {
  GpsState& gps = g.boat.gps;
  gps.Waypoints.fill(Waypoint{});
  for (auto& col : gps.Markers) col.fill(0);
  gps.SelectedWpt = 1;
  gps.NextFreeWpt = 1;
  gps.Dirty = false;
  gps.LoadFailed = false;
  gps.WaypointsAvailable = false;
  const std::string path = WaypointFilePath(lakePath);
  if (!FileExists(path)) return false;
  auto bytes = ReadWholeFile(path);
  if (!bytes) {
    gps.LoadFailed = true;
    g.Message(BoxKind::Error, "ERROR: Unable to read the waypoint file " + path + "\r\rThe lake has no waypoints.");
    return false;
  }
  std::vector<Waypoint> read;
  if (!DecodeWaypoints(*bytes, read)) {
    gps.LoadFailed = true;
    g.Message(BoxKind::Error,
              "ERROR: The waypoint file " + path + " is damaged.\r\rOnly the waypoints before the damage are used.");
  }
  for (size_t i = 0; i < read.size(); ++i) {
    gps.Waypoints[i + 1] = read[i];
    SetMarker(gps, read[i].col, read[i].row);
  }
  gps.NextFreeWpt = FirstUnusedSlot(gps);
  gps.WaypointsAvailable = true;
  return true;
}

void SaveWaypointFile(Game& g) {
  GpsState& gps = g.boat.gps;
  if (g.lake.LakeFilePath.empty()) return;
  if (gps.LoadFailed && !gps.Dirty) return;
  const std::string path = WaypointFilePath(g.lake.LakeFilePath);
  if (!WriteFileAtomically(path, EncodeWaypoints(gps)))
    g.Message(BoxKind::Error, "ERROR: Unable to save the waypoints to " + path + "\r\rThe old waypoint file is kept.");
}

}  // namespace lwk
