#pragma once
// The standings window: the field sorted by total weight, the player's row
// highlighted, the day's title, Print and OK.

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace lwk {

class Game;

class TShowStan : public QDialog {
  Q_OBJECT
 public:
  TShowStan(Game& game, QWidget* parent);
  void syncFromGame();

  QTableWidget* grid() const { return wGrid_; }
  QLabel* title() const { return Label1_; }
  QPushButton* printBtn() const { return PrintBtn_; }
  QPushButton* okBtn() const { return OkBtn_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  Game& game_;
  QTableWidget* wGrid_ = nullptr;
  QLabel* Label1_ = nullptr;
  QPushButton* PrintBtn_ = nullptr;
  QPushButton* OkBtn_ = nullptr;
};

}  // namespace lwk
