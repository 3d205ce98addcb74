#pragma once
// The notice of disqualification from a day of the tournament.

#include <QDialog>

class QLabel;
class QPushButton;

namespace lwk {

class Game;

class TDQ : public QDialog {
  Q_OBJECT
 public:
  TDQ(Game& game, QWidget* parent);
  QLabel* image() const { return Image1_; }
  QPushButton* okBtn() const { return BitBtn1_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  Game& game_;
  QLabel* Image1_ = nullptr;
  QPushButton* BitBtn1_ = nullptr;
};

}  // namespace lwk
