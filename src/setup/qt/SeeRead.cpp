#include "setup/qt/SeeRead.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <climits>

#include "setup/qt/SetupDialogs.h"

namespace lwk::setup {

TSeeRead::TSeeRead(SetupDialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
  setWindowTitle(QStringLiteral("README.TXT"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  layout->addWidget(Memo1, 1);

  Panel1 = new QWidget(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  auto* buttons = new QHBoxLayout(Panel1);
  buttons->addStretch(1);
  BitBtn1 = new QPushButton(QStringLiteral("&OK"), Panel1);
  BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton(QStringLiteral("&Print"), Panel1);
  BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  buttons->addStretch(1);
  layout->addWidget(Panel1);

  // Wide enough for the read-me's 72 columns in the fixed-pitch font, so its
  // tables are not broken up by wrapping; never narrower than 435 pixels.
  const int columns = Memo1->fontMetrics().horizontalAdvance(QString(74, 'M'));
  const int frame = Memo1->verticalScrollBar()->sizeHint().width() + 2 * Memo1->frameWidth() + 16;
  resize(std::max(435, columns + frame), 300);

  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn2, &QPushButton::clicked, this, &TSeeRead::BitBtn2Click);
}

bool TSeeRead::LoadFile(const QString& path) {
  Memo1->clear();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  QString text = QString::fromUtf8(file.readAll());
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace('\r', '\n');
  Memo1->setPlainText(text);
  return true;
}

void TSeeRead::BitBtn2Click() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("README.TXT"));
  printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
  if (dialogs_.HasPrinter()) {
    if (!dialogs_.ConfirmPrint(printer)) return;
  } else {
    if (dialogs_.Show(SetupBox::Confirm,
                      QStringLiteral("No printer is installed.\r\rWould you like to save the README file as a PDF "
                                     "document instead?"),
                      SetupButtons::YesNo) != SetupAnswer::Yes) {
      return;
    }
    const QString path = dialogs_.AskPdfFile(QDir::home().filePath(QStringLiteral("readme.pdf")));
    if (path.isEmpty()) return;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
  }
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const bool printed = PrintLines(printer, Memo1->toPlainText().split('\n'));
  QGuiApplication::restoreOverrideCursor();
  if (!printed) {
    dialogs_.Show(SetupBox::Error, QStringLiteral("ERROR: Unable to print the README file."), SetupButtons::Ok);
  }
}

bool PrintLines(QPrinter& printer, const QStringList& lines) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(10);
  painter.setFont(font);
  const QRect page = painter.viewport();
  const int width = page.width();
  const int height = page.height();
  const int lineHeight = painter.fontMetrics().lineSpacing();
  const int flags = Qt::TextWordWrap | Qt::TextExpandTabs | Qt::AlignLeft | Qt::AlignTop;
  int y = 0;
  for (const QString& line : lines) {
    const int h =
        line.isEmpty()
            ? lineHeight
            : std::max(lineHeight, painter.boundingRect(QRect(0, 0, width, INT_MAX / 2), flags, line).height());
    if (y > 0 && y + h > height) {
      if (!printer.newPage()) return false;
      y = 0;
    }
    if (!line.isEmpty()) painter.drawText(QRect(0, y, width, h), flags, line);
    y += h;
  }
  return painter.end();
}

}  // namespace lwk::setup
