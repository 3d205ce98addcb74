#pragma once
// The installer's rules that need no window: the control file, the drive and
// directory the player types, how a drive letter maps to a folder of this
// system, creating the directory path, the progress bar's arithmetic and the
// desktop menu entry written after an install.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

namespace lwk::setup {

// The archive that is always unpacked, beside the setup program.
inline constexpr char kArchiveName[] = "INSTALL.$$$";
inline constexpr char kControlFileName[] = "setup.$$$";
inline constexpr char kReadmeName[] = "readme.txt";

// The four lines of setup.$$$, cut to their lengths.
struct ControlFile {
  QString Title;        // up to 45 characters
  QString ArchiveName;  // up to 12 characters, checked at start
  QString Drive;        // up to 2 characters, e.g. "C:"
  QString Directory;    // up to 45 characters, without the drive
};

enum class ControlFileStatus { Ok, Missing, Unreadable };

// Reads the control file; Unreadable when it holds fewer than four lines.
ControlFileStatus ReadControlFile(const QString& path, ControlFile& control);

// "C" becomes "C:" (a ":" is appended when there is none, so an empty drive
// becomes ":").
QString CompleteDrive(const QString& drive);
// "Games\LWK\" becomes "Games\LWK".
QString DropTrailingBackslash(const QString& directory);
// A drive of fewer than two characters cannot be installed to.
bool DriveComplete(const QString& drive);

// The folder a drive letter stands for: "C:" is the player's home folder,
// any other letter X: is /mnt/x. Nothing for a drive that is not a letter
// and a colon.
std::optional<QString> DriveFolder(const QString& drive);
// "C:\Games\LWK" becomes "<home>/Games/LWK": the drive maps to its folder and
// "\" separators become "/". Nothing when the drive does not map.
std::optional<QString> LocalPath(const QString& installPath);

// The question asked before installing.
QString ConfirmationText(const QString& title, const QString& drive, const QString& directory);

// Creates "X:\name\name..." level by level. A path of one level is made with
// one call; for deeper paths each missing level is made in turn and a level
// that cannot be made is reported through showError as
// "DIRECTORY CREATION ERROR: " + its folder. True when every level exists.
bool CreateDirectoryPath(const QString& installPath, const std::function<void(const QString&)>& showError);

// The per-file progress bar: reset to 1..10 at position 1 for each file,
// then the maximum becomes size div 32768 when that is above 1, else 1; a
// file under 32768 bytes steps the bar at once. Each progress update steps
// it while the position is below the maximum.
struct ProgressBarState {
  int Min = 0;
  int Max = 100;
  int Step = 1;
  int Position = 0;

  void NewFile(int32_t fileSize);
  void Progress();
  void StepIt();
};

// The messages the unzip library sent during an install, as the text of the
// one box that shows them at the end: a single message as it stands, more
// under a line with their count; past the first 20 only the number of the
// rest is given.
QString GatheredMessagesText(const QStringList& messages);

// The folder of the desktop menu entries: $XDG_DATA_HOME/applications, or
// ~/.local/share/applications.
QString ApplicationsFolder();
// Writes a desktop menu entry that starts the installed game from
// installFolder, with the installed lwk.png as its icon. False when it could
// not be written; the install counts all the same.
bool WriteDesktopEntry(const QString& installFolder, const QString& title);
// The text of that entry.
QString DesktopEntryText(const QString& installFolder, const QString& title, bool withIcon);

}  // namespace lwk::setup
