// Entry point of the installer's tests: windows on the offscreen platform,
// and a throw-away home folder so that no test ever writes into the real one
// (drive C: and the desktop menu entry both live under $HOME).
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
  qputenv("HOME", home.path().toUtf8());
  qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8());
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("SetUp"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
