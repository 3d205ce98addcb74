#pragma once
// TUnzipper: the installer's archive component. It lists the entries of a
// ZIP archive itself and hands the extraction to the unzip library
// libunzdll.so, which it loads at run time (first from the setup folder,
// then from the system's library search path).

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

#include "setup/UnzDll.h"

namespace lwk::setup {

// Options for adding files (kept for completeness; the installer never adds).
enum AddOptsEnum : unsigned {
  AddDirNames = 1u << 0,
  AddRecurseDirs = 1u << 1,
  AddMove = 1u << 2,
  AddFreshen = 1u << 3,
  AddUpdate = 1u << 4,
  AddZipTime = 1u << 5,
  AddForceDOS = 1u << 6,
  AddHiddenFiles = 1u << 7,
};

// Options for extracting, combined as a bit set.
enum ExtrOptsEnum : unsigned {
  ExtrDirNames = 1u << 0,   // keep the stored folder names
  ExtrOverWrite = 1u << 1,  // replace existing files
  ExtrFreshen = 1u << 2,    // only replace existing files that are older
  ExtrUpdate = 1u << 3,     // replace older files and add missing ones
};

enum ProgressType { NewFile = 0, ProgressUpdate = 1, EndOfBatch = 2 };

// The fields of one local file header of the archive, and its name.
struct ZipDirEntry {
  uint16_t Version = 0;
  uint16_t Flag = 0;
  uint16_t CompressionMethod = 0;
  uint16_t Time = 0;
  uint16_t Date = 0;
  uint32_t CRC32 = 0;
  uint32_t CompressedSize = 0;
  uint32_t UncompressedSize = 0;
  uint16_t FileNameLength = 0;
  uint16_t ExtraFieldLength = 0;
  QString FileName;
};

// A read fault while listing an archive: "Error reading Zip File" and
// "Error 2 reading Zip file" to "Error 5 reading Zip file".
class EZipError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TUnzipper {
 public:
  using TProgressEvent =
      std::function<void(TUnzipper* Sender, ProgressType ProgrType, const QString& Filename, int32_t FileSize)>;
  using TMessageEvent = std::function<void(TUnzipper* Sender, int32_t ErrCode, const QString& Message)>;
  using TNotifyEvent = std::function<void(TUnzipper* Sender)>;

  TUnzipper();
  ~TUnzipper();
  TUnzipper(const TUnzipper&) = delete;
  TUnzipper& operator=(const TUnzipper&) = delete;

  // Properties, with the values the component starts with.
  bool Verbose = false;
  bool Trace = false;
  int32_t AddCompLevel = 9;
  unsigned AddOptions = 0;
  QString ExtrBaseDir;
  unsigned ExtrOptions = 0;
  QStringList FSpecArgs;

  TNotifyEvent OnDirUpdate;
  TProgressEvent OnProgress;
  TMessageEvent OnMessage;
  // Where the component shows its own messages (library loading, listing,
  // library failure); the owner routes them to its message boxes.
  std::function<void(const QString&)> ShowMessage;

  // Setting the archive name lists the archive. Throws EZipError on the read
  // faults above; "No valid zip entries found" is shown, not thrown.
  const QString& ZipFilename() const { return ZipFilename_; }
  void SetZipFilename(const QString& name);

  // Number of listed entries (0 while no archive is named).
  int Count() const { return ZipFilename_.isEmpty() ? 0 : static_cast<int>(ZipContents_.size()); }
  const std::vector<ZipDirEntry>& ZipContents() const { return ZipContents_; }
  // Files the last extraction reported as written.
  int32_t SuccessCnt() const { return SuccessCnt_; }
  // Set by the owner (typically from OnProgress) to stop an extraction: set
  // when a file is announced, before that file is written; set while one is
  // written, after it.
  bool Cancel = false;
  bool Busy() const { return Busy_; }

  // Extracts FSpecArgs from the archive into ExtrBaseDir. The library works
  // in the current folder, so ExtrBaseDir is made current for the call and
  // the previous folder is restored afterwards. Returns at once while an
  // extraction is already running.
  void Extract();

  // The library is shared by all components of the process.
  void LoadUnzDll();
  void UnloadUnzDll();
  static bool UnzDllLoaded();
  // The folder searched first for the library; the program's own folder when
  // empty.
  static void SetLibraryFolder(const QString& folder);

 private:
  static int32_t UnzipperCallback(UnzCallbackRecord* record);
  void List();
  void Show(const QString& text);
  void FillParams();
  void ReleaseParams();

  QString ZipFilename_;
  std::vector<ZipDirEntry> ZipContents_;
  int32_t SuccessCnt_ = 0;
  bool Busy_ = false;

  // The parameter record belongs to the component and lives as long as it.
  UnzParams Params_{};
  std::vector<char> ArchiveBuffer_;
  std::vector<std::vector<char>> SpecBuffers_;
  std::vector<char*> SpecPointers_;
};

}  // namespace lwk::setup
