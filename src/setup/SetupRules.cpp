#include "setup/SetupRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace lwk::setup {

namespace {

constexpr int kProgressBlock = 32768;

bool IsSeparator(QChar c) {
  return c == '\\' || c == '/';
}

// Escapes a value of a desktop entry: backslash and line breaks.
QString EscapeValue(QString value) {
  value.replace('\\', QStringLiteral("\\\\"));
  value.replace('\n', QStringLiteral("\\n"));
  value.replace('\r', QStringLiteral("\\r"));
  value.replace('\t', QStringLiteral("\\t"));
  return value;
}

// The program path of Exec=, always quoted so spaces and the like are safe.
QString QuoteExec(const QString& program) {
  QString quoted;
  for (QChar c : program) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    quoted += c;
  }
  return EscapeValue(QStringLiteral("\"") + quoted + QStringLiteral("\""));
}

}  // namespace

ControlFileStatus ReadControlFile(const QString& path, ControlFile& control) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return ControlFileStatus::Missing;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return ControlFileStatus::Unreadable;
  QList<QByteArray> lines = bytes.split('\n');
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  if (lines.size() < 4) return ControlFileStatus::Unreadable;
  auto line = [&](int i, int length) {
    QByteArray text = lines[i];
    if (text.endsWith('\r')) text.chop(1);
    return QString::fromUtf8(text).left(length);
  };
  control.Title = line(0, 45);
  control.ArchiveName = line(1, 12);
  control.Drive = line(2, 2);
  control.Directory = line(3, 45);
  return ControlFileStatus::Ok;
}

QString CompleteDrive(const QString& drive) {
  return drive.contains(':') ? drive : drive + ':';
}

QString DropTrailingBackslash(const QString& directory) {
  return directory.endsWith('\\') ? directory.left(directory.size() - 1) : directory;
}

bool DriveComplete(const QString& drive) {
  return drive.size() >= 2;
}

std::optional<QString> DriveFolder(const QString& drive) {
  if (drive.size() != 2 || drive[1] != ':' || drive[0].unicode() > 127 || !drive[0].isLetter()) return std::nullopt;
  const QChar letter = drive[0].toLower();
  if (letter == 'c') return QDir::homePath();
  return QStringLiteral("/mnt/") + letter;
}

std::optional<QString> LocalPath(const QString& installPath) {
  const std::optional<QString> base = DriveFolder(installPath.left(2));
  if (!base) return std::nullopt;
  QString rest = installPath.mid(2);
  rest.replace('\\', '/');
  while (rest.startsWith('/')) rest.remove(0, 1);
  if (rest.isEmpty()) return *base;
  return (base->endsWith('/') ? *base : *base + '/') + rest;
}

QString ConfirmationText(const QString& title, const QString& drive, const QString& directory) {
  return QStringLiteral("SetUp is ready to install ") + title + QStringLiteral(" in the following directory:") +
         QStringLiteral("\r\r") + drive + QStringLiteral("\\") + directory + QStringLiteral("\r\r") +
         QStringLiteral("If this directory does not exist, it will be created. If a previous") + QStringLiteral("\r") +
         QStringLiteral("installation of this program exists in this directory, any data files") +
         QStringLiteral("\r") + QStringLiteral("or record files will be preserved.") + QStringLiteral("\r\r") +
         QStringLiteral("Is this what you want to do?");
}

bool CreateDirectoryPath(const QString& installPath, const std::function<void(const QString&)>& showError) {
  const QString drive = installPath.left(2);
  const QString rest = installPath.mid(3);
  const bool oneLevel = std::none_of(rest.begin(), rest.end(), IsSeparator);
  if (oneLevel) {
    const std::optional<QString> folder = LocalPath(installPath);
    return folder && QDir().mkdir(*folder);
  }
  QString level = drive;
  QString name;
  auto makeLevel = [&]() {
    if (name.isEmpty()) return true;
    level += QStringLiteral("\\") + name;
    name.clear();
    const std::optional<QString> folder = LocalPath(level);
    if (folder && QFileInfo(*folder).isDir()) return true;
    if (!folder || !QDir().mkdir(*folder)) {
      if (showError) showError(QStringLiteral("DIRECTORY CREATION ERROR: ") + folder.value_or(level));
      return false;
    }
    return true;
  };
  for (QChar c : rest) {
    if (IsSeparator(c)) {
      if (!makeLevel()) return false;
    } else {
      name += c;
    }
  }
  return makeLevel();
}

void ProgressBarState::StepIt() {
  Position = std::min(Position + Step, Max);
}

void ProgressBarState::NewFile(int32_t fileSize) {
  Min = 1;
  Max = 10;
  Step = 1;
  Position = 1;
  const int32_t blocks = fileSize / kProgressBlock;
  Max = blocks > 1 ? blocks : 1;
  if (fileSize < kProgressBlock) StepIt();
}

void ProgressBarState::Progress() {
  if (Position < Max) StepIt();
}

QString GatheredMessagesText(const QStringList& messages) {
  constexpr int kListed = 20;
  if (messages.size() == 1) return messages.front();
  QStringList lines{QStringLiteral("%1 messages while unpacking:").arg(messages.size())};
  lines += messages.mid(0, kListed);
  if (messages.size() > kListed) lines << QStringLiteral("...and %1 more.").arg(messages.size() - kListed);
  return lines.join('\r');
}

QString ApplicationsFolder() {
  QString data = qEnvironmentVariable("XDG_DATA_HOME");
  if (data.isEmpty() || !QDir::isAbsolutePath(data)) data = QDir::homePath() + QStringLiteral("/.local/share");
  return data + QStringLiteral("/applications");
}

QString DesktopEntryText(const QString& installFolder, const QString& title, bool withIcon) {
  const QString folder = QDir(installFolder).absolutePath();
  QString name = title.simplified();
  if (name.isEmpty()) name = QStringLiteral("Lurewick");
  QString text;
  text += QStringLiteral("[Desktop Entry]\n");
  text += QStringLiteral("Type=Application\n");
  text += QStringLiteral("Version=1.0\n");
  text += QStringLiteral("Name=") + EscapeValue(name) + '\n';
  text += QStringLiteral("GenericName=Bass Fishing Tournament\n");
  text += QStringLiteral("Comment=Fish a three-day bass tournament on a lake of your choice\n");
  text += QStringLiteral("Exec=") + QuoteExec(folder + QStringLiteral("/lwk")) + '\n';
  text += QStringLiteral("Path=") + EscapeValue(folder) + '\n';
  if (withIcon) text += QStringLiteral("Icon=") + EscapeValue(folder + QStringLiteral("/lwk.png")) + '\n';
  text += QStringLiteral("Terminal=false\n");
  text += QStringLiteral("Categories=Game;SportsGame;\n");
  return text;
}

bool WriteDesktopEntry(const QString& installFolder, const QString& title) {
  const QString folder = ApplicationsFolder();
  if (!QDir().mkpath(folder)) return false;
  const bool withIcon = QFileInfo(QDir(installFolder).filePath(QStringLiteral("lwk.png"))).isFile();
  QSaveFile file(QDir(folder).filePath(QStringLiteral("lurewick.desktop")));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = DesktopEntryText(installFolder, title, withIcon).toUtf8();
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace lwk::setup
