#include "boat/Motors.h"

#include "boat/DepthFinder.h"
#include "boat/Gps.h"
#include "boat/Steering.h"
#include "lake/BoatSprite.h"
#include "shell/Game.h"
#include "shell/Numbers.h"
#include "tournament/Clock.h"

namespace lwk {

namespace {

constexpr double kMinStartCharge = 35;  // the outboard will not start below this
constexpr double kFuelPerThrottle = 0.004;
constexpr double kTrollDrain[4] = {0, 0.008, 0.012, 0.016};  // by speed 1..3
constexpr int kRpmPerThrottle = 280;
constexpr int kLifeJacketSeconds = 30;
constexpr int kGearNeutral = 1;
constexpr int kGearReverse = 2;
constexpr int kReverseTopThrottle = 6;

void ThrottleIdle(Game& g) {
  g.boat.ThrottleSetting = 1;
  g.view.throttlePos = 19;
}

// The outboard's levers back at rest: throttle off, gear in neutral.
void ThrottleOffInNeutral(Game& g) {
  g.view.throttlePos = 20;
  g.view.gearPos = kGearNeutral;
  g.boat.ThrottleSetting = 0;
}

}  // namespace

void RefreshTach(Game& g) {
  const BoatState& b = g.boat;
  int rpm = 0;
  if (b.OutboardOn) {
    if (g.Random(10) == 0)
      rpm = (kRpmPerThrottle + g.Random(2)) * b.ThrottleSetting;
    else if (g.Random(10) == 0)
      rpm = (kRpmPerThrottle - g.Random(2)) * b.ThrottleSetting;
    else
      rpm = kRpmPerThrottle * b.ThrottleSetting;
  }
  g.view.tach = std::to_string(rpm);
}

void OutBtnClick(Game& g) {
  BoatState& b = g.boat;
  b.OutboardOn = !b.OutboardOn;
  if (b.OutboardOn && b.MainBatteryCharge < kMinStartCharge) {
    b.OutboardOn = false;
    g.PlayMessage(BoxKind::Plain, "Your Main Battery is too weak to\rstart the outboard.");
  }
  if (b.OutboardOn && b.FuelLevel <= 0) {
    b.OutboardOn = false;
    b.ThrottleSetting = 0;
    g.PlayBackgroundSound(g.Random(2) == 0 ? "NoStart1.wav" : "NoStart2.wav");
    g.PlayMessage(BoxKind::Plain, "The outboard motor won't start.\rYou are out of gas!");
    RefreshTach(g);
    g.UserInput();
    g.Changed();
    return;
  }
  if (b.OutboardOn) {
    g.view.outGlyphOn = true;
    g.view.trollGlyphOn = false;
    ThrottleIdle(g);
    b.TrollingOn = false;
    b.PaddleOn = false;
    b.TrollSpeed = 0;
    g.view.paddleGlyphOn = false;
    g.view.enable(Ctl::TmtrSpd, false);
    g.PlayBackgroundSound("Start1f.wav");
  } else {
    g.view.outGlyphOn = false;
    ThrottleOffInNeutral(g);
  }
  g.port.processEvents();
  RefreshTach(g);
  g.UserInput();
  g.Changed();
}

void TrollBtnClick(Game& g) {
  BoatState& b = g.boat;
  b.TrollingOn = !b.TrollingOn;
  if (b.TrollingOn) {
    g.view.enable(Ctl::TmtrSpd, true);
    g.view.trollGlyphOn = true;
    g.view.outGlyphOn = false;
    b.OutboardOn = false;
    b.PaddleOn = false;
    b.TrollSpeed = g.view.tmtrSpd;
    ThrottleOffInNeutral(g);
    g.view.paddleGlyphOn = false;
  } else {
    g.view.trollGlyphOn = false;
  }
  RefreshTach(g);
  g.UserInput();
  g.Changed();
}

void PaddLeBtnClick(Game& g) {
  BoatState& b = g.boat;
  b.PaddleOn = !b.PaddleOn;
  g.view.trollGlyphOn = false;
  g.view.outGlyphOn = false;
  b.OutboardOn = false;
  b.TrollingOn = false;
  b.TrollSpeed = 0;
  ThrottleOffInNeutral(g);
  if (b.PaddleOn) g.view.enable(Ctl::TmtrSpd, false);
  g.view.paddleGlyphOn = b.PaddleOn;
  RefreshTach(g);
  g.UserInput();
  g.Changed();
}

void TmtrSpdChange(Game& g) {
  g.boat.TrollSpeed = g.view.tmtrSpd;
  g.UserInput();
}

void ThrottleChange(Game& g) {
  BoatState& b = g.boat;
  if (!g.view.isEnabled(Ctl::OutBtn)) return;
  b.ThrottleSetting = 20 - g.view.throttlePos;
  if (b.ThrottleSetting > 0) {
    g.view.outGlyphOn = true;
    b.OutboardOn = true;
    g.view.trollGlyphOn = false;
    g.view.paddleGlyphOn = false;
    b.TrollingOn = false;
    b.PaddleOn = false;
  } else {
    g.view.outGlyphOn = false;
    b.OutboardOn = false;
  }
  RefreshTach(g);
  g.view.status[2] = "Throttle limit has been set...";
  b.ThrottleLimit = b.ThrottleSetting;
  // Between key presses a running outboard idles; a motor set to off stays off.
  if (!g.timerEnabled(TimerId::KeyDown) && b.ThrottleSetting > 0) b.ThrottleSetting = 1;
  g.UserInput();
  g.Changed();
}

void GearBoxChange(Game& g) {
  g.UserInput();
}

void KeyDownTimerTimer(Game& g) {
  BoatState& b = g.boat;
  g.UserInput();  // the key is still held
  if (b.ThrottleSetting >= 20 || !b.OutboardOn || g.view.gearPos == kGearNeutral) return;
  const bool reverse = g.view.gearPos == kGearReverse;
  if (b.ThrottleSetting < b.ThrottleLimit && (!reverse || b.ThrottleSetting < kReverseTopThrottle)) {
    ++b.ThrottleSetting;
    g.view.throttlePos = 20 - b.ThrottleSetting;
    RefreshTach(g);
    g.Changed();
  }
}

void UseEnergy(Game& g) {
  BoatState& b = g.boat;
  if (b.OutboardOn) {
    if (b.FuelLevel > 0) {
      b.FuelLevel -= b.ThrottleSetting * kFuelPerThrottle;
      if (b.FuelLevel < 0) b.FuelLevel = 0;
      if (b.FuelLevel == 0) {
        g.PlayMessage(BoxKind::Plain, "You're out of gas!\r\rMaybe there is a marina nearby\rwhere you can refuel.");
        g.port.processEvents();
        DrawBoat(g);
      }
    }
  } else if (b.TrollingOn) {
    const int speed = b.TrollSpeed < 1 ? 1 : (b.TrollSpeed > 3 ? 3 : b.TrollSpeed);
    b.TrollBatteryCharge -= kTrollDrain[speed];
    if (b.TrollBatteryCharge < 0) b.TrollBatteryCharge = 0;
    if (b.TrollBatteryCharge == 0) {
      g.PlayMessage(BoxKind::Plain,
                    "Your trolling motor battery is\rdead. You will need to use the\routboard motor or the paddle "
                    "to move\rthe boat.");
      g.port.processEvents();
      DrawBoat(g);
    }
  }
}

void MainBatteryShutdown(Game& g) {
  BoatState& b = g.boat;
  GpsScreenOff(g);
  GraphScreenOff(g);
  b.DepthFinderOn = false;
  GpsPowerOff(g);
  g.tour.AeratorOn = false;
  g.view.aeratorGlyphOn = false;
  g.PlayMessage(BoxKind::Plain,
                "Your Main Battery is dead.\r\rThe livewell aerator, LCD Graph, and\rGPS are unable to function.");
  b.MainBatteryDead = true;
  g.Changed();
}

void GasUpBtnClick(Game& g) {
  BoatState& b = g.boat;
  g.DialogUp = true;
  bool atPump = false;
  for (const CellPos& p : g.lake.GasPumps) {
    if (p.col == kNoCell) continue;
    const int dc = p.col - b.BoatCol;
    const int dr = p.row - b.BoatRow;
    if ((dc == 0 && (dr == 1 || dr == -1)) || (dr == 0 && (dc == 1 || dc == -1))) atPump = true;
  }
  if (atPump) {
    const int price = (100 - g.view.fuelGauge) / 2;
    const std::string amount = FormatFixed(price, 2);
    g.PlayMessage(BoxKind::Plain, std::string("\"Old Sarge\", the marina owner, inserts the\rgas nozzle into your "
                                              "boat, and fills the tank.\r\rYou hand him $") +
                                      amount + " and you're ready to go.");
    b.FuelLevel = 100;
    b.DayExpenses += price;
  } else {
    g.Message(BoxKind::Plain, "You are not close enough to the\rgas pumps for the hose to reach your boat.");
  }
  g.DialogUp = false;
  g.UserInput();
  g.Changed();
}

void LJButtClick(Game& g) {
  BoatState& b = g.boat;
  b.LifeJacketOn = !b.LifeJacketOn;
  g.view.lifeJacketGlyphOn = b.LifeJacketOn;
  if (g.tour.ClockRunning) ChargeTime(g, kLifeJacketSeconds);
  g.UserInput();
  g.Changed();
}

void ResetBoatDay(Game& g) {
  BoatState& b = g.boat;
  b.BoatStuck = false;
  b.StuckMode = 0;
  b.ThrottleLimit = 20;
  b.ThrottleSetting = 0;
  b.DayExpenses = 50;
  g.TickDivider = 10;
  b.FuelLevel = b.TrollBatteryCharge = b.MainBatteryCharge = 100;
  g.view.fuelGauge = g.view.trollGauge = g.view.mainGauge = 100;
  b.DepthFinderOn = false;
  b.GpsOn = false;
  b.gps.PlotMode = true;
  b.gps.Arrow = -1;
  b.TrollingOn = b.PaddleOn = b.OutboardOn = b.LifeJacketOn = false;
  ClearGpsTrail(g);
  g.setTimer(TimerId::KeyDown, false);
  b.MainBatteryDead = false;
  g.view.outGlyphOn = g.view.trollGlyphOn = g.view.paddleGlyphOn = g.view.lifeJacketGlyphOn = false;
  g.view.throttlePos = 20;
  g.view.gearPos = kGearNeutral;
  g.view.gpsPwrOn = false;
  for (Ctl c : {Ctl::PlotGPS, Ctl::SetWpt, Ctl::GoToWpt}) g.view.enable(c, false);
  GpsScreenOff(g);
  GraphScreenOff(g);
  RefreshTach(g);
}

}  // namespace lwk
