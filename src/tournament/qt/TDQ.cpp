#include "tournament/qt/TDQ.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "shell/Game.h"
#include "shell/Pictures.h"

namespace lwk {

TDQ::TDQ(Game& game, QWidget* parent) : QDialog(parent), game_(game) {
  setObjectName("TDQ");
  setWindowTitle("Notice Of Disqualification");
  setFixedSize(427, 199);

  auto* bevel = new QFrame(this);
  bevel->setObjectName("Bevel1");
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(8, 8, 411, 144);
  Image1_ = new QLabel(this);
  Image1_->setObjectName("Image1");
  Image1_->setGeometry(14, 36, 80, 80);
  const QImage picture = LoadGamePicture(game_.Files(), "DQ");
  if (!picture.isNull())
    Image1_->setPixmap(QPixmap::fromImage(picture.scaled(80, 80, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  const struct {
    const char* name;
    const char* text;
    int y;
  } lines[] = {
      {"Label1", "You have been disqualified from this day of the", 20},
      {"Label2", "tournament. Your fish, if any, will be released and you will", 38},
      {"Label3", "receive no credit for them.", 56},
      {"Label5", "You will now proceed directly to the weigh in area where", 86},
      {"Label6", "you will be stripped of all diginity before the standing-room", 104},
      {"Label7", "only crowd.", 122},
  };
  for (const auto& l : lines) {
    auto* label = new QLabel(l.text, this);
    label->setObjectName(l.name);
    label->setGeometry(100, l.y, 316, 16);
    QFont f = label->font();
    f.setPointSize(7);
    label->setFont(f);
  }
  BitBtn1_ = new QPushButton("&OK", this);
  BitBtn1_->setObjectName("BitBtn1");
  BitBtn1_->setGeometry(176, 162, 75, 28);
  BitBtn1_->setDefault(true);
  connect(BitBtn1_, &QPushButton::clicked, this, &QDialog::accept);
}

void TDQ::showEvent(QShowEvent* e) {
  setWindowTitle(QString::fromStdString(game_.tour.DqCaption));
  QDialog::showEvent(e);
}

}  // namespace lwk
