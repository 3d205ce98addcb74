#include "lake/qt/LakeControls.h"

#include "lake/LakeMap.h"
#include "lake/LakeViewRules.h"
#include "lake/OpenLake.h"
#include "lake/Weather.h"
#include "lake/qt/TLakeMap.h"
#include "shell/Game.h"
#include "shell/qt/QtPort.h"
#include "shell/qt/TForm1.h"

namespace lwk {

void WireLakeControls(Game& game, TForm1& form, QtPort& port) {
  form.clickHandlers[Ctl::PickLake] = [&game] { PickLakeClick(game); };
  form.clickHandlers[Ctl::MapBtn] = [&game] { MapBtnClick(game); };
  form.clickHandlers[Ctl::FindBoatBtn] = [&game] { FindBoatBtnClick(game); };
  form.clickHandlers[Ctl::ViewWeatherWaterConditions1] = [&game] { ViewWeatherWaterConditions1Click(game); };
  auto* map = new TLakeMap(game, &form);
  map->onRaiseMainWindow = [&form] {
    form.raise();
    form.activateWindow();
  };
  port.registerWindow(WindowId::LakeMap, map);
}

}  // namespace lwk
