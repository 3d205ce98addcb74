#include "ZipFixtures.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>
#include <zip.h>

#include <QFile>

namespace lwk::setup::test {

bool MakeZip(const QString& path, const std::vector<ZipMember>& members) {
  int error = 0;
  zip_t* za = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (za == nullptr) {
    ADD_FAILURE() << "cannot create " << path.toStdString();
    return false;
  }
  // libzip reads the sources when the archive is closed, so keep the bytes.
  std::vector<QByteArray> keep;
  keep.reserve(members.size());
  for (const ZipMember& member : members) {
    zip_int64_t index = -1;
    if (member.directory) {
      index = zip_dir_add(za, member.name.c_str(), ZIP_FL_ENC_UTF_8);
    } else {
      keep.push_back(member.data);
      zip_source_t* source = zip_source_buffer(za, keep.back().constData(), keep.back().size(), 0);
      index = zip_file_add(za, member.name.c_str(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
      if (index < 0) zip_source_free(source);
    }
    if (index < 0) {
      ADD_FAILURE() << "cannot add " << member.name << ": " << zip_strerror(za);
      zip_discard(za);
      return false;
    }
    const auto i = static_cast<zip_uint64_t>(index);
    zip_set_file_compression(za, i, member.deflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
    if (member.mode != 0) {
      zip_file_set_external_attributes(za, i, 0, ZIP_OPSYS_UNIX, static_cast<zip_uint32_t>(member.mode) << 16);
    } else {
      zip_file_set_external_attributes(za, i, 0, ZIP_OPSYS_DOS, 0);
    }
  }
  if (zip_close(za) != 0) {
    ADD_FAILURE() << "cannot write " << path.toStdString() << ": " << zip_strerror(za);
    zip_discard(za);
    return false;
  }
  return true;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray Pattern(int size, int seed) {
  QByteArray bytes(size, '\0');
  unsigned state = static_cast<unsigned>(seed) * 2654435761u + 1;
  for (int i = 0; i < size; ++i) {
    state = state * 1103515245u + 12345u;
    // No "P" anywhere, so a pattern never looks like a ZIP signature.
    char c = static_cast<char>((state >> 16) & 0xFF);
    if (c == 'P') c = 'p';
    bytes[i] = c;
  }
  return bytes;
}

int Permissions(const QString& path) {
  struct stat st {};
  if (stat(QFile::encodeName(path).constData(), &st) != 0) return -1;
  return static_cast<int>(st.st_mode & 07777);
}

void SetModified(const QString& path, long seconds) {
  utimbuf times{seconds, seconds};
  utime(QFile::encodeName(path).constData(), &times);
}

}  // namespace lwk::setup::test
