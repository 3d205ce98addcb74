#pragma once
// Small file helpers shared by every file format of the game.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace lwk {

bool FileExists(const std::string& path);
bool FolderWritable(const std::string& folder);

// Reads a whole file; nullopt when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes a file the player cares about so that a crash never leaves half a
// file: the bytes go to a temporary file in the same folder (named
// kTemporaryFileMarker + six letters or digits), are flushed to the disk, the
// temporary file is renamed over the old one and the folder is flushed, so
// the new name survives a power cut too. The file keeps the permissions of
// the one it replaces; a link is written through, not replaced. False on
// failure, in which case the old file is untouched and no temporary file is
// left behind.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// The start of the names of WriteFileAtomically's temporary files.
inline constexpr const char* kTemporaryFileMarker = ".lwk-tmp-";
// Whether a file name is one of those temporary files (the marker and
// exactly six letters or digits), never a name of the player's own such as
// "LWK.INI.backup".
bool IsLeftoverTemporaryName(const std::string& fileName);
// Removes the temporary files a crash between writing and renaming left in
// a folder; returns how many were removed.
int RemoveLeftoverTemporaries(const std::string& folder);

// Finds a file of the game folder by name, ignoring case ("theme.wav" and
// "THEME.WAV" are the same file). Returns the full path of the existing file,
// or folder + name when there is none.
std::string FindGameFile(const std::string& folder, const std::string& name);
bool GameFileExists(const std::string& folder, const std::string& name);

// The files of one folder by name, ignoring case, from a single listing of
// the folder: the game folder's pictures, sounds and help are looked up here
// without reading the folder again for every name.
class FolderIndex {
 public:
  FolderIndex() = default;
  explicit FolderIndex(const std::string& folder);

  // The full path of the file of that name (the one spelt exactly so when
  // the folder holds several spellings), or folder + name when the folder
  // held none when it was listed.
  std::string find(const std::string& name) const;
  bool contains(const std::string& name) const;
  // The folder listed, with a trailing separator.
  const std::string& folder() const { return folder_; }

 private:
  std::string folder_;  // with a trailing separator
  std::unordered_set<std::string> names_;
  std::unordered_map<std::string, std::string> byFoldedName_;
};

// The path with its own extension replaced: "/home/j.doe/lakes/Pine.LAK"
// becomes "/home/j.doe/lakes/Pine.bmp" (a dot in a folder name is not an
// extension). A path without an extension gets the new one appended.
std::string ReplaceExtension(const std::string& path, const std::string& newExt);

// Upper-cases ASCII letters.
std::string UpperAscii(std::string s);

}  // namespace lwk
