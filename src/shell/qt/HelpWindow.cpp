#include "shell/qt/HelpWindow.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTextBrowser>

#include "shell/Files.h"

namespace lwk {

QList<HelpTopic> ParseHelp(const QString& text) {
  QList<HelpTopic> topics;
  static const QRegularExpression head("^@topic\\s+(\\d+)\\s*(.*)$");
  HelpTopic* current = nullptr;
  const QStringList lines = text.split('\n');
  for (QString line : lines) {
    if (line.endsWith('\r')) line.chop(1);
    const auto m = head.match(line);
    if (m.hasMatch()) {
      topics.append({m.captured(1).toInt(), m.captured(2).trimmed(), QString()});
      current = &topics.last();
    } else if (line.startsWith("@topic")) {
      current = nullptr;  // a broken topic line: its body is dropped
    } else if (current) {
      current->body += line + '\n';
    }
  }
  return topics;
}

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
  const HelpTopic* topic = nullptr;
  for (const HelpTopic& t : topics_)
    if (t.number == number) topic = &t;
  if (!topic) topic = &topics_.first();
  QString html = "<h2>" + topic->title.toHtmlEscaped() + "</h2>";
  static const QRegularExpression link("\\[\\[(\\d+)\\]\\]");
  for (const QString& para : topic->body.split(QRegularExpression("\\n\\s*\\n"), Qt::SkipEmptyParts)) {
    QString p = para.trimmed().toHtmlEscaped();
    p.replace('\n', "<br>");
    QString out;
    qsizetype last = 0;
    auto it = link.globalMatch(p);
    while (it.hasNext()) {
      const auto m = it.next();
      out += p.mid(last, m.capturedStart() - last);
      const int n = m.captured(1).toInt();
      QString title = QString::number(n);
      for (const HelpTopic& t : topics_)
        if (t.number == n) title = t.title.toHtmlEscaped();
      out += QString("<a href=\"topic:%1\">%2</a>").arg(n).arg(title);
      last = m.capturedEnd();
    }
    out += p.mid(last);
    html += "<p>" + out + "</p>";
  }
  text_->setHtml(html);
}

}  // namespace lwk
