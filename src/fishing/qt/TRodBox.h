#pragma once
// The rod box "Rod Box": the sixteen rods with the bait and colour each one
// carries, one row per rod; OK (or a double-click) takes the row's rod.

#include <QDialog>

class QTableWidget;
class QPushButton;

namespace lwk {

class Game;

class TRodBox : public QDialog {
  Q_OBJECT
 public:
  TRodBox(Game& game, QWidget* parent);

  QTableWidget* grid() const { return RodList_; }
  QPushButton* okButton() const { return OkBtn_; }
  QPushButton* cancelButton() const { return CancelBtn_; }
  // Shows the game's rod list in the grid's cells and selects its current row.
  void refill();

  void OkBtnClick() { accept(); }
  void CancelBtnClick() { reject(); }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  Game& game_;
  QTableWidget* RodList_ = nullptr;
  QPushButton* OkBtn_ = nullptr;
  QPushButton* CancelBtn_ = nullptr;
  bool filling_ = false;
};

}  // namespace lwk
