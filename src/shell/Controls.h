#pragma once
// The core's picture of the main window: which controls are enabled, what the
// fields, gauges and captions show, which glyph each two-state button wears.
// The rules change this model and call Port::viewChanged; TForm1 only shows it.

#include <QImage>
#include <array>
#include <string>

namespace lwk {

enum class Ctl {
  TackleBtn,
  RodSelBtn,
  RetrBtn,
  TmtrSpd,
  TrollBtn,
  OutBtn,
  PaddLeBtn,
  MapBtn,
  LJButt,
  LWButt,
  FindBoatBtn,
  GasUpBtn,
  SkillBtn,
  PickLake,
  SaveGameBtn,
  HelpBtn,
  Throttle,
  GearBox,
  GPSpwr,
  PlotGPS,
  SetWpt,
  GoToWpt,
  GraphOn,
  GraphOff,
  FishFormulaBtn,
  WeighInBtn,
  // menu items
  ViewWeatherWaterConditions1,
  ViewCurrentStandings1,
  ViewRecords1,
  Count
};
constexpr int kCtlCount = static_cast<int>(Ctl::Count);

struct MainView {
  std::array<bool, kCtlCount> enabled = [] {
    std::array<bool, kCtlCount> a{};
    a.fill(true);
    a[static_cast<int>(Ctl::PlotGPS)] = false;
    a[static_cast<int>(Ctl::SetWpt)] = false;
    a[static_cast<int>(Ctl::GoToWpt)] = false;
    return a;
  }();

  bool isEnabled(Ctl c) const { return enabled[static_cast<int>(c)]; }
  void enable(Ctl c, bool on) { enabled[static_cast<int>(c)] = on; }

  std::string caption = "Lurewick Professional";
  std::array<std::string, 3> status{"Time Remaining", "", ""};

  // Lake view shown (a lake is loaded) or the title picture.
  bool lakeVisible = false;

  // Bottom panel fields.
  std::string rodInUse = "NONE SELECTED";
  std::string baitInUse = "NONE";
  std::string colorInUse = "NONE";
  std::string retreiveInUse = "NONE";
  // The checked item of RetreiveMenu (0 Slow .. 4 Stop And Go).
  int retreiveChecked = 1;

  // Side panel.
  int throttlePos = 20;  // slider position 0 (top, Max) .. 20 (bottom, Off)
  int gearPos = 1;       // 0 F, 1 N, 2 R
  int tmtrSpd = 1;       // trolling-motor speed 1..3
  int fuelGauge = 0;
  int trollGauge = 0;
  int mainGauge = 0;
  std::string tach;
  std::string lcdMaxDepth = "10";

  // Two-state glyphs: true shows the "on" picture.
  bool trollGlyphOn = false;
  bool outGlyphOn = false;
  bool lifeJacketGlyphOn = false;
  bool paddleGlyphOn = false;
  bool fishFormGlyphOn = false;
  bool aeratorGlyphOn = false;
  // The GPS power button's caption is red while the GPS is on.
  bool gpsPwrOn = false;

  // The 64 x 64 screens of the GPS and the depth-finder graph.
  QImage gpsScreen;
  QImage graphScreen;
};

}  // namespace lwk
