#pragma once
// Window tests: the real main window on the offscreen platform, showing the
// game of a GameFixture through its test port.

#include <QString>
#include <memory>

#include "shell/qt/TForm1.h"
#include "support/GameFixture.h"

namespace lwk {

// Builds TForm1 for the started game, hangs it on the port's view and surface
// notices, shows it at the given size and lets it lay itself out.
std::unique_ptr<TForm1> ShowMainWindow(GameFixture& f, int width, int height);

// Where a test saves a screenshot for a look: build/screenshots/<name>.
QString ScreenshotPath(const QString& name);

}  // namespace lwk
