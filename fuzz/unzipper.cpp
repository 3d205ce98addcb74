// An installer archive as any bytes, listed by TUnzipper: the listing ends
// with its entries, a message or a read fault, never a crash.
#include "setup/Unzipper.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = lwk::fuzz::WriteInput("INSTALL.$$$", lwk::fuzz::Bytes(data, size));
  lwk::setup::TUnzipper zip;
  int updates = 0;
  zip.ShowMessage = [](const QString&) {};
  zip.OnDirUpdate = [&updates](lwk::setup::TUnzipper*) { ++updates; };
  try {
    zip.SetZipFilename(QString::fromStdString(path));
    if (updates != 1) std::abort();
  } catch (const lwk::setup::EZipError&) {
  }
  for (const auto& entry : zip.ZipContents())
    if (entry.FileName.size() > entry.FileNameLength) std::abort();
  return 0;
}
