#pragma once
// The livewell window "Livewell Control Center": the tank with the day's fish
// swimming in it, their weights and species, the total and the aerator switch.

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace lwk {

class Game;

class TLiveWell : public QDialog {
  Q_OBJECT
 public:
  TLiveWell(Game& game, QWidget* parent);

  // Shows what the core holds: the picture, the panels, the aerator's glyph.
  void syncFromGame();

  QLabel* image1() const { return Image1_; }
  QPushButton* aeratorBtn() const { return AeratorBtn_; }
  QLabel* fishPanel(int i) const { return Fish_[static_cast<size_t>(i)]; }
  QLabel* speciesPanel(int i) const { return Species_[static_cast<size_t>(i)]; }
  QLabel* totalWeightPanel() const { return TotalWeightPanel_; }

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  Game& game_;
  QLabel* Image1_ = nullptr;
  std::array<QLabel*, 5> Fish_{};
  std::array<QLabel*, 5> Species_{};
  QLabel* TotalWeightPanel_ = nullptr;
  QPushButton* AeratorBtn_ = nullptr;
};

}  // namespace lwk
