// The unzip library extracting an archive of any bytes into a folder of its
// own, with stored folder names and overwriting on: whatever the archive
// names, nothing is written outside that folder, not even through a link to
// a folder beside it that the installation folder already holds.
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "FuzzSupport.h"
#include "setup/UnzDll.h"

namespace {

namespace fs = std::filesystem;

int32_t Answer(UnzCallbackRecord*) {
  return 0;
}

// Everything in a folder tree, links not followed.
size_t CountEntries(const fs::path& folder) {
  std::error_code ec;
  size_t n = 0;
  for (auto it = fs::recursive_directory_iterator(folder, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec))
    ++n;
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path base = lwk::fuzz::Folder();
  const fs::path install = base / "install";
  const fs::path outside = base / "outside";
  std::error_code ec;
  fs::remove_all(install, ec);
  fs::create_directories(install);
  fs::create_directories(outside);
  fs::create_directory_symlink(outside, install / "linked", ec);
  const std::string archive = lwk::fuzz::WriteInput("archive.zip", lwk::fuzz::Bytes(data, size));

  char archiveName[256] = {};
  if (archive.size() >= sizeof archiveName) std::abort();
  archive.copy(archiveName, archive.size());
  UnzParams params{};
  params.version = UNZ_INTERFACE_VERSION;
  params.callback = &Answer;
  params.one = 1;
  params.dirNames = 1;
  params.overwrite = 1;
  params.archiveName = archiveName;
  params.seven = 7;

  const fs::path before = fs::current_path();
  fs::current_path(install);
  (void)UnzDllExec(&params);
  fs::current_path(before);

  // The folder beside the installation stays empty (an entry named like the
  // link may replace the link itself, never write through it), and the base
  // folder holds only what this target put there.
  if (CountEntries(outside) != 0) std::abort();
  size_t inBase = 0;
  for (const auto& e : fs::directory_iterator(base)) {
    const std::string name = e.path().filename().string();
    if (name != "install" && name != "outside" && name != "archive.zip") std::abort();
    ++inBase;
  }
  if (inBase != 3) std::abort();
  return 0;
}
