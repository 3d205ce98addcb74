#include "fishing/qt/FishingControls.h"

#include "fishing/Cast.h"
#include "fishing/FishModel.h"
#include "lake/qt/TLakeDraw.h"
#include "shell/Game.h"
#include "shell/qt/TForm1.h"

namespace lwk {

void WireFishingControls(Game& game, TForm1& form) {
  form.lake()->onMouseUp = [&game](int x, int y) { LakeMouseUp(game, x, y); };
  form.clickHandlers[Ctl::FishFormulaBtn] = [&game] { FishFormulaBtnClick(game); };
}

}  // namespace lwk
