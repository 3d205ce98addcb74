#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QDir>

namespace lwk {

std::unique_ptr<TForm1> ShowMainWindow(GameFixture& f, int width, int height) {
  auto form = std::make_unique<TForm1>(*f.game);
  TForm1* w = form.get();
  f.port.onViewChanged = [w] { w->syncFromGame(); };
  f.port.onSurfaceChanged = [w](int x, int y, int cw, int ch) { w->lakeSurfaceChanged(QRect(x, y, cw, ch)); };
  form->resize(width, height);
  form->show();
  QApplication::processEvents();  // the lake view learns its size
  return form;
}

QString ScreenshotPath(const QString& name) {
  const QString dir = QString(LWK_GAME_DIR) + "/../screenshots";
  QDir().mkpath(dir);
  return dir + "/" + name;
}

}  // namespace lwk
