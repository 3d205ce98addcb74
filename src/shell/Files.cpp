#include "shell/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cctype>

namespace lwk {

bool FileExists(const std::string& path) {
  return QFileInfo::exists(QString::fromStdString(path));
}

bool FolderWritable(const std::string& folder) {
  return QFileInfo(QString::fromStdString(folder)).isWritable();
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError) return std::nullopt;
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  // QSaveFile writes to a temporary file beside the target and renames it over
  // the target on commit; on any failure the target is left as it was.
  QSaveFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::WriteOnly)) return false;
  // The bytes are flushed here and the result checked: commit() would rename
  // a temporary file that a full disk cut short over the good old file.
  if (f.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) || !f.flush()) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

std::string FindGameFile(const std::string& folder, const std::string& name) {
  QString dirPath = QString::fromStdString(folder);
  QString wanted = QString::fromStdString(name);
  QString direct = QDir(dirPath).filePath(wanted);
  if (QFileInfo::exists(direct)) return direct.toStdString();
  QDir dir(dirPath);
  const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& e : entries)
    if (e.compare(wanted, Qt::CaseInsensitive) == 0) return dir.filePath(e).toStdString();
  return direct.toStdString();
}

bool GameFileExists(const std::string& folder, const std::string& name) {
  return QFileInfo::exists(QString::fromStdString(FindGameFile(folder, name)));
}

namespace {
std::string CaseKey(const QString& name) {
  return name.toCaseFolded().toStdString();
}
}  // namespace

FolderIndex::FolderIndex(const std::string& folder) : folder_(folder) {
  if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
  const QStringList entries = QDir(QString::fromStdString(folder)).entryList(QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& e : entries) {
    names_.insert(e.toStdString());
    byFoldedName_.emplace(CaseKey(e), e.toStdString());
  }
}

std::string FolderIndex::find(const std::string& name) const {
  if (names_.count(name)) return folder_ + name;
  auto it = byFoldedName_.find(CaseKey(QString::fromStdString(name)));
  return folder_ + (it == byFoldedName_.end() ? name : it->second);
}

bool FolderIndex::contains(const std::string& name) const {
  return names_.count(name) > 0 || byFoldedName_.count(CaseKey(QString::fromStdString(name))) > 0;
}

std::string ReplaceExtension(const std::string& path, const std::string& newExt) {
  auto slash = path.find_last_of('/');
  auto dot = path.find_last_of('.');
  std::string ext = newExt.empty() || newExt[0] == '.' ? newExt : "." + newExt;
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path + ext;
  return path.substr(0, dot) + ext;
}

std::string UpperAscii(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

}  // namespace lwk
