#include "shell/qt/HelpWindow.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QTextBrowser>

#include "shell/Files.h"

namespace lwk {

HelpWindow::HelpWindow(const QString& gameFolder, QWidget* parent) : QDialog(parent), gameFolder_(gameFolder) {
  setWindowTitle("Lurewick Help");
  resize(760, 520);
  list_ = new QListWidget(this);
  list_->setMaximumWidth(220);
  text_ = new QTextBrowser(this);
  text_->setOpenLinks(false);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(text_, 1);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && row < topics_.size()) show(topics_[row].number);
  });
  connect(text_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) { showTopic(url.path().toInt()); });

  const auto bytes = ReadWholeFile(FindGameFile(gameFolder.toStdString(), "LWKHELP.HLP"));
  if (bytes) topics_ = ParseHelp(QString::fromUtf8(bytes->data(), static_cast<qsizetype>(bytes->size())));
  for (const HelpTopic& t : topics_) list_->addItem(t.title);
}

void HelpWindow::showTopic(int number) {
  if (topics_.isEmpty()) {
    QMessageBox::critical(parentWidget(), "Lurewick", "ERROR: Unable to open the help file LWKHELP.HLP.");
    return;
  }
  for (int i = 0; i < topics_.size(); ++i)
    if (topics_[i].number == number) {
      list_->setCurrentRow(i);
      break;
    }
  show(number);
  QDialog::show();
  raise();
  activateWindow();
}

void HelpWindow::show(int number) {
  text_->setHtml(HelpTopicHtml(topics_, number));
}

}  // namespace lwk
