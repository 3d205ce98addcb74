#pragma once
// Small ZIP archives made with libzip for the installer's tests, hostile
// ones included.

#include <sys/types.h>

#include <QByteArray>
#include <QString>
#include <ostream>
#include <string>
#include <vector>

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace lwk::setup::test {

struct ZipMember {
  std::string name;
  QByteArray data;
  // Unix mode bits to store (type and permissions); 0 stores none.
  unsigned mode = 0100644;
  bool directory = false;
  // Deflated instead of stored.
  bool deflate = false;
};

// Writes an archive; members are stored uncompressed (unless deflate is set)
// so tests can find and damage their bytes. Returns false (with a gtest failure) when libzip fails.
bool MakeZip(const QString& path, const std::vector<ZipMember>& members);

QByteArray ReadAll(const QString& path);
bool WriteAll(const QString& path, const QByteArray& bytes);
// Bytes that are different everywhere, so a damaged byte is always noticed.
QByteArray Pattern(int size, int seed = 1);
// Permission bits of a file, -1 when missing.
int Permissions(const QString& path);
// Sets a file's modification time to seconds since the epoch.
void SetModified(const QString& path, long seconds);

}  // namespace lwk::setup::test
