#pragma once
// The waypoint picker "Select/Save WayPoint": a grid of the lake's 100
// waypoint slots whose descriptions can be edited, with OK, Cancel and Erase.

#include <QDialog>

class QTableWidget;
class QPushButton;

namespace lwk {

class Game;

class TPickWPT : public QDialog {
  Q_OBJECT
 public:
  TPickWPT(Game& game, QWidget* parent);

  QTableWidget* grid() const { return WPTgrid_; }
  // The row under the cursor, as a waypoint number 1..100.
  int currentWaypoint() const;
  // Fills the description cells from the waypoint slots.
  void refill();

  void OkBtnClick();
  void CancelBtnClick();
  void EraseBtnClick();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  Game& game_;
  QTableWidget* WPTgrid_ = nullptr;
  QPushButton* okBtn_ = nullptr;
  QPushButton* cancelBtn_ = nullptr;
  QPushButton* eraseBtn_ = nullptr;
  bool filling_ = false;
};

}  // namespace lwk
