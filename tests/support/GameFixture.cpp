#include "support/GameFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lwk {

void CopyGameData(const std::string& to) {
  QDir from(LWK_GAME_DIR);
  for (const QFileInfo& f : from.entryInfoList(QDir::Files)) {
    if (f.isExecutable()) continue;
    const QString name = f.fileName();
    if (name.compare("LWK.INI", Qt::CaseInsensitive) == 0 || name.endsWith(".btp", Qt::CaseInsensitive) ||
        name.endsWith(".wpt", Qt::CaseInsensitive) || name.endsWith(".sav", Qt::CaseInsensitive))
      continue;
    QFile::copy(f.absoluteFilePath(), QString::fromStdString(to) + "/" + name);
  }
}

GameFixture::GameFixture(bool copyData) {
  if (copyData) CopyGameData(dir.path().toStdString());
  game = std::make_unique<Game>(port);
  port.game = game.get();
}

bool GameFixture::start() {
  return game->StartUp(folder()) && game->FormShow();
}

}  // namespace lwk
