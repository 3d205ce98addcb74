#pragma once
// Helpers shared by the fuzz targets whose reader takes a path: one private
// folder per process, files written into it as they are.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace lwk::fuzz {

// The process's own temporary folder, made on first use and removed at exit.
inline const std::string& Folder() {
  static const std::unique_ptr<QTemporaryDir> dir = [] {
    auto d = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/lwk-fuzz-XXXXXX");
    if (!d->isValid()) std::abort();
    return d;
  }();
  static const std::string path = dir->path().toStdString() + "/";
  return path;
}

// Writes bytes to a file of the folder (replacing it) and returns its path.
inline std::string WriteInput(const std::string& name, std::string_view bytes) {
  const std::string path = Folder() + name;
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  if (f.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) std::abort();
  return path;
}

inline void RemoveInput(const std::string& name) {
  QFile::remove(QString::fromStdString(Folder() + name));
}

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Splits the input at its first NUL byte: the text before it and the bytes
// after it (absent when there is no NUL).
struct Split {
  std::string_view first;
  std::string_view rest;
  bool hasRest = false;
};
inline Split SplitAtNul(std::string_view bytes) {
  const size_t nul = bytes.find('\0');
  if (nul == std::string_view::npos) return {bytes, {}, false};
  return {bytes.substr(0, nul), bytes.substr(nul + 1), true};
}

}  // namespace lwk::fuzz
