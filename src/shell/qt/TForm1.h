#pragma once
// The main window: the tool buttons on top, the lake view with the title
// picture behind it, the instruments on the right, the tackle in use at the
// bottom and the status bar. It shows the core's MainView and hands every
// click and key to the core.

#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <map>
#include <vector>

#include "shell/Controls.h"

class QToolButton;
class QPushButton;
class QSlider;
class QSpinBox;
class QProgressBar;
class QLineEdit;

namespace lwk {

class Game;
class TLakeDraw;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit TForm1(Game& game);

  // Shows what the core's MainView says (enabled states, fields, gauges, glyphs).
  void syncFromGame();
  void lakeSurfaceChanged(const QRect& r);
  TLakeDraw* lake() const { return lake_; }
  QWidget* control(Ctl c) const;
  QMenu* prefMenu() const { return prefMenu_; }
  QMenu* skillMenu() const { return skillMenu_; }
  QMenu* helpPop() const { return helpPop_; }
  QLabel* statusPanel(int i) const { return status_[static_cast<size_t>(i)]; }
  QLabel* bottomLabel(int i) const { return botLabels_[static_cast<size_t>(i)]; }
  QLineEdit* bottomField(int i) const { return botFields_[static_cast<size_t>(i)]; }

  // Where a button's popup menu opens, in screen pixels.
  QPoint popupPos(QWidget* button) const;

  // Opens the help popup as the Help button does.
  void HelpBtnClick();
  void SkillBtnClick();

  // Called on every button or menu command the core handles; set by the
  // subsystems when the game is put together.
  std::map<Ctl, std::function<void()>> clickHandlers;

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void changeEvent(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  QToolButton* toolButton(Ctl id, int x, const char* hint);
  // A vertical lever of the side panel (throttle, gear) bound to a MainView position.
  QSlider* lever(Ctl id, const char* name, const QRect& geometry, int maximum, int start, int MainView::*position);
  void layoutPanels();
  void setHint(QWidget* w, const QString& hint);
  void clicked(Ctl c);

  Game& game_;
  QWidget* central_ = nullptr;
  QWidget* panel1_ = nullptr;
  QWidget* botPanel_ = nullptr;
  QWidget* sidePanel_ = nullptr;
  TLakeDraw* lake_ = nullptr;
  QLabel* image1_ = nullptr;
  QLabel* selectLabel_ = nullptr;
  std::map<Ctl, QWidget*> controls_;
  std::vector<std::pair<QWidget*, QString>> hints_;
  std::array<QLabel*, 4> botLabels_{};
  std::array<QLineEdit*, 4> botFields_{};
  std::array<QLabel*, 3> status_{};
  QSlider* throttle_ = nullptr;
  QSlider* gearBox_ = nullptr;
  QSpinBox* tmtrSpd_ = nullptr;
  QProgressBar* fuel_ = nullptr;
  QProgressBar* trollBattery_ = nullptr;
  QProgressBar* mainBattery_ = nullptr;
  QLabel* tachDigits_ = nullptr;
  QLabel* lcdMaxDepth_ = nullptr;
  QLabel* gpsImage_ = nullptr;
  QLabel* graphImage_ = nullptr;
  QMenu* helpPop_ = nullptr;
  QMenu* prefMenu_ = nullptr;
  QMenu* skillMenu_ = nullptr;
  std::map<Ctl, QAction*> menuItems_;
  QAction* prefActions_[5] = {};
  QAction* levelActions_[4] = {};
  bool syncingSliders_ = false;
};

}  // namespace lwk
