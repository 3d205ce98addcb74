#include "fishing/qt/TackleControls.h"

#include <QActionGroup>
#include <QMenu>

#include "fishing/Tackle.h"
#include "shell/Game.h"
#include "shell/qt/TForm1.h"

namespace lwk {

namespace {

QString Text(std::string_view s) {
  return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

}  // namespace

QFont TackleFont() {
  QFont f;
  f.setFamilies({"Arial", "Liberation Sans", "Nimbus Sans", "Helvetica", "Arimo"});
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(7.5);
  return f;
}

void WireTackleControls(Game& game, TForm1& form) {
  auto* tackleBox = new QMenu(&form);
  tackleBox->setObjectName("TackleBox");
  for (int d = 0; d < kDrawerCount; ++d) {
    const Drawer& drawer = Drawers[static_cast<std::size_t>(d)];
    QAction* a = tackleBox->addAction(Text(drawer.menuCaption), &form, [&game, d] { DrawerClick(game, d); });
    a->setObjectName(Text(drawer.menuItem));
  }

  auto* retreiveMenu = new QMenu(&form);
  retreiveMenu->setObjectName("RetreiveMenu");
  auto* group = new QActionGroup(retreiveMenu);
  const char* names[] = {"Slow1", "Medium1", "Fast1", "Rippin1", "StopGo1"};
  const char* captions[] = {"Slow", "Medium", "Fast", "Rippin", "Stop && Go"};
  for (int i = 0; i < 5; ++i) {
    QAction* a = retreiveMenu->addAction(captions[i], &form, [&game, i] { SetRetreive(game, i); });
    a->setObjectName(names[i]);
    a->setCheckable(true);
    group->addAction(a);
  }
  // Exactly the retrieve in effect is checked.
  const auto showChecked = [&game, retreiveMenu] {
    const auto actions = retreiveMenu->actions();
    for (int i = 0; i < actions.size(); ++i) actions[i]->setChecked(i == game.view.retreiveChecked);
  };
  QObject::connect(retreiveMenu, &QMenu::aboutToShow, retreiveMenu, showChecked);
  QObject::connect(group, &QActionGroup::triggered, retreiveMenu, showChecked);

  game.fishing.menus.PopupTackleBox = [&form, tackleBox] {
    tackleBox->exec(form.popupPos(form.control(Ctl::TackleBtn)));
  };
  game.fishing.menus.PopupRetreiveMenu = [&form, retreiveMenu] {
    retreiveMenu->exec(form.popupPos(form.control(Ctl::RetrBtn)));
  };
  // The menus go with the window.
  QObject::connect(&form, &QObject::destroyed, [&game] { game.fishing.menus = TackleMenus{}; });
  form.clickHandlers[Ctl::TackleBtn] = [&game] { TackleBtnClick(game); };
  form.clickHandlers[Ctl::RodSelBtn] = [&game] { RodSelBtnClick(game); };
  form.clickHandlers[Ctl::RetrBtn] = [&game] { RetrBtnClick(game); };
}

}  // namespace lwk
