// The installer's control file setup.$$$ as any bytes: it reads or is
// unreadable, and its drive and folder become a path of this system or none.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzSupport.h"
#include "setup/SetupRules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = lwk::fuzz::WriteInput("setup.$$$", lwk::fuzz::Bytes(data, size));
  lwk::setup::ControlFile control;
  const auto status = lwk::setup::ReadControlFile(QString::fromStdString(path), control);
  if (status == lwk::setup::ControlFileStatus::Missing) std::abort();
  if (status != lwk::setup::ControlFileStatus::Ok) return 0;
  if (control.Title.size() > 45 || control.ArchiveName.size() > 12 || control.Drive.size() > 2 ||
      control.Directory.size() > 45)
    std::abort();
  const QString drive = lwk::setup::CompleteDrive(control.Drive);
  const QString directory = lwk::setup::DropTrailingBackslash(control.Directory);
  (void)lwk::setup::DriveComplete(drive);
  (void)lwk::setup::DriveFolder(drive);
  (void)lwk::setup::LocalPath(drive + '\\' + directory);
  (void)lwk::setup::ConfirmationText(control.Title, drive, directory);
  return 0;
}
