// The installer: unpacks the game from INSTALL.$$$ beside this program into
// the folder the player chooses.
#include <QApplication>

#include "setup/qt/SetupDialogs.h"
#include "setup/qt/SetupForm.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("SetUp"));
  lwk::setup::QtSetupDialogs dialogs;
  lwk::setup::TForm1 form(dialogs, QCoreApplication::applicationDirPath());
  dialogs.SetParent(&form);
  if (!form.FormCreate()) return 1;
  form.show();
  return app.exec();
}
