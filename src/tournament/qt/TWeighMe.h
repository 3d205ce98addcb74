#pragma once
// The weigh-in window: the fish of the livewell, the day's total, the dead
// fish penalty and the final weight, the three days so far, the lunker award,
// and the buttons for the printed sheet, the statistics and the standings.

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace lwk {

class Game;

class TWeighMe : public QDialog {
  Q_OBJECT
 public:
  TWeighMe(Game& game, QWidget* parent);
  // Shows what the core computed when the window opened.
  void syncFromGame();

  QLabel* panel2() const { return Panel2_; }
  QLabel* fishType(int i) const { return FishType_[static_cast<size_t>(i)]; }
  QLabel* fishWeight(int i) const { return FWgt_[static_cast<size_t>(i)]; }
  QLabel* totalWgt() const { return TotalWgt_; }
  QLabel* penalties() const { return Penalties_; }
  QLabel* finalWgt() const { return FinalWgt_; }
  QLabel* dayPanel(int i) const { return DayPanel_[static_cast<size_t>(i)]; }
  QLabel* totPanel() const { return TotPanel_; }
  QLabel* lunkerPanel() const { return LunkerPanel_; }
  QPushButton* printBtn() const { return PrintBtn_; }
  QPushButton* seeStatsBtn() const { return SeeStatsBtn_; }
  QPushButton* viewBtn() const { return ViewBtn_; }
  QPushButton* okBtn() const { return OkBtn_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  Game& game_;
  QLabel* Panel2_ = nullptr;
  std::array<QLabel*, 5> FishType_{};
  std::array<QLabel*, 5> FWgt_{};
  QLabel* TotalWgt_ = nullptr;
  QLabel* Penalties_ = nullptr;
  QLabel* FinalWgt_ = nullptr;
  std::array<QLabel*, 3> DayPanel_{};
  QLabel* TotPanel_ = nullptr;
  QLabel* LunkerPanel_ = nullptr;
  QPushButton* PrintBtn_ = nullptr;
  QPushButton* SeeStatsBtn_ = nullptr;
  QPushButton* ViewBtn_ = nullptr;
  QPushButton* OkBtn_ = nullptr;
};

}  // namespace lwk
