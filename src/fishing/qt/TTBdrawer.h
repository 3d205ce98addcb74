#pragma once
// A drawer of the tacklebox: its baits on the left, its colours on the right,
// the drawer's picture and OK / Cancel at the bottom.

#include <QDialog>
#include <QImage>
#include <map>

class QLabel;
class QListWidget;
class QPushButton;

namespace lwk {

class Game;

class TTBdrawer : public QDialog {
  Q_OBJECT
 public:
  TTBdrawer(Game& game, QWidget* parent);

  QListWidget* baitList() const { return BaitLB_; }
  QListWidget* colorList() const { return ColorLB_; }
  QLabel* picture() const { return Image1_; }
  QPushButton* okButton() const { return OkBtn_; }
  QPushButton* cancelButton() const { return CancelBtn_; }
  // Shows the game's open drawer: caption, picture, both lists and their selection.
  void refill();

  void OkBtnClick() { accept(); }
  void CancelBtnClick() { reject(); }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  Game& game_;
  QLabel* Image1_ = nullptr;
  QListWidget* BaitLB_ = nullptr;
  QListWidget* ColorLB_ = nullptr;
  QPushButton* OkBtn_ = nullptr;
  QPushButton* CancelBtn_ = nullptr;
  std::map<int, QImage> pictures_;  // loaded once per drawer
  bool filling_ = false;
};

}  // namespace lwk
