#include "shell/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>

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

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// The permission bits a new file gets: 0666 through the umask.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Flushes a folder's entries (the rename) to the disk.
bool SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0 || errno == EINVAL;  // some file systems cannot sync a folder
  ::close(fd);
  return ok;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  if (path.empty()) return false;
  // A link is written through: the file it points at is replaced.
  std::string target = path;
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) != nullptr) target = resolved;
  }
  const size_t slash = target.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (exists && !S_ISREG(st.st_mode)) return false;
  const mode_t mode = exists ? (st.st_mode & 07777) : NewFileMode();

  std::string temp = folder + "/" + kTemporaryFileMarker + "XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  // The new file is in place; a folder that cannot be flushed is no reason
  // to report it unwritten.
  SyncFolder(folder);
  return true;
}

bool IsLeftoverTemporaryName(const std::string& fileName) {
  const std::string_view marker(kTemporaryFileMarker);
  if (fileName.size() != marker.size() + 6 || fileName.compare(0, marker.size(), marker) != 0) return false;
  return std::all_of(fileName.begin() + static_cast<std::ptrdiff_t>(marker.size()), fileName.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); });
}

int RemoveLeftoverTemporaries(const std::string& folder) {
  QDir dir(QString::fromStdString(folder));
  int removed = 0;
  const QStringList entries =
      dir.entryList({QString::fromLatin1(kTemporaryFileMarker) + '*'}, QDir::Files | QDir::Hidden | QDir::System);
  for (const QString& e : entries) {
    if (!IsLeftoverTemporaryName(e.toStdString())) continue;
    const QFileInfo info(dir.filePath(e));
    if (info.isSymLink() || !info.isFile()) continue;
    if (QFile::remove(info.filePath())) ++removed;
  }
  return removed;
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
