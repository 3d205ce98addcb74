#pragma once
// The records window "Lurewick Professional All-Time Records": the ten
// biggest bass and the ten best three-day totals, with Print and OK.

#include <QDialog>

class QTableWidget;
class QPushButton;

namespace lwk {

class Game;

class TRecords : public QDialog {
  Q_OBJECT
 public:
  TRecords(Game& game, QWidget* parent);

  QTableWidget* bigFish() const { return BigFish_; }
  QTableWidget* totWgt() const { return TotWgt_; }
  QPushButton* printBtn() const { return PrintBtn_; }
  QPushButton* okBtn() const { return BitBtn1_; }
  // Fills both grids from the records (the window's activation).
  void FormActivate();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  Game& game_;
  QTableWidget* BigFish_ = nullptr;
  QTableWidget* TotWgt_ = nullptr;
  QPushButton* PrintBtn_ = nullptr;
  QPushButton* BitBtn1_ = nullptr;
};

}  // namespace lwk
