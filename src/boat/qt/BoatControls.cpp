#include "boat/qt/BoatControls.h"

#include "boat/DepthFinder.h"
#include "boat/Gps.h"
#include "boat/Motors.h"
#include "lake/qt/TLakeDraw.h"
#include "shell/Game.h"
#include "shell/qt/TForm1.h"

namespace lwk {

void WireBoatControls(Game& game, TForm1& form, QtPort&) {
  auto& h = form.clickHandlers;
  h[Ctl::OutBtn] = [&game] { OutBtnClick(game); };
  h[Ctl::TrollBtn] = [&game] { TrollBtnClick(game); };
  h[Ctl::PaddLeBtn] = [&game] { PaddLeBtnClick(game); };
  h[Ctl::TmtrSpd] = [&game, &form] {
    TmtrSpdChange(game);
    // The arrows keep no focus: the keys go back to steering the boat.
    if (form.lake()) form.lake()->setFocus();
  };
  h[Ctl::Throttle] = [&game] { ThrottleChange(game); };
  h[Ctl::GearBox] = [&game] { GearBoxChange(game); };
  h[Ctl::GasUpBtn] = [&game] { GasUpBtnClick(game); };
  h[Ctl::LJButt] = [&game] { LJButtClick(game); };
  h[Ctl::GPSpwr] = [&game] { GPSpwrClick(game); };
  h[Ctl::PlotGPS] = [&game] { PlotGPSClick(game); };
  h[Ctl::SetWpt] = [&game] { SetWptClick(game); };
  h[Ctl::GoToWpt] = [&game] { GoToWptClick(game); };
  h[Ctl::GraphOn] = [&game] { GraphOnClick(game); };
  h[Ctl::GraphOff] = [&game] { GraphOffClick(game); };
}

}  // namespace lwk
