#include "setup/Unzipper.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

namespace lwk::setup {

namespace {

// The library and its two entry points, one per process.
void* LibraryHandle = nullptr;
UnzDllExecFn ExecEntry = nullptr;
GetUnzDllVersionFn VersionEntry = nullptr;
QString LibraryFolder;

constexpr uint32_t kLocalHeader = 0x04034B50;
constexpr uint32_t kCentralHeader = 0x02014B50;
constexpr uint32_t kEndOfCentral = 0x06054B50;
// How far into a file the first local header is looked for.
constexpr int kSignatureSearchLimit = 60000;
// The archive name and each file specification travel in buffers of at
// least this size.
constexpr size_t kNameBufferSize = 256;

uint16_t Le16(const unsigned char* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
uint32_t Le32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}

// Reads bytes one by one until "PK" 3 4 has been read. False on a short read
// or when more than 60000 bytes were looked at without finding a "P" that
// starts the signature.
bool FindFirstLocalHeader(QFile& file) {
  int examined = 0;
  int matched = 0;  // bytes of the signature matched so far
  static const char kSignature[4] = {'P', 'K', 3, 4};
  char byte = 0;
  while (matched < 4) {
    if (!file.getChar(&byte)) return false;
    if (matched == 0 || (byte == 'P' && byte != kSignature[matched])) {
      // A "P" that breaks a partial match may start the signature itself.
      if (++examined > kSignatureSearchLimit) return false;
      matched = byte == 'P' ? 1 : 0;
    } else if (byte == kSignature[matched]) {
      ++matched;
    } else {
      matched = 0;
    }
  }
  return true;
}

}  // namespace

TUnzipper::TUnzipper() = default;

TUnzipper::~TUnzipper() = default;

void TUnzipper::SetLibraryFolder(const QString& folder) {
  LibraryFolder = folder;
}

bool TUnzipper::UnzDllLoaded() {
  return LibraryHandle != nullptr;
}

void TUnzipper::Show(const QString& text) {
  if (ShowMessage) {
    ShowMessage(text);
  } else {
    qWarning("%s", qUtf8Printable(text));
  }
}

void TUnzipper::LoadUnzDll() {
  if (LibraryHandle != nullptr) return;
  const QString folder = LibraryFolder.isEmpty() ? QCoreApplication::applicationDirPath() : LibraryFolder;
  const QString besideSetup = QDir(folder).filePath(QStringLiteral(UNZ_LIBRARY_NAME));
  void* handle = dlopen(QFile::encodeName(besideSetup).constData(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) handle = dlopen(UNZ_LIBRARY_NAME, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    Show(QStringLiteral(UNZ_LIBRARY_NAME " not found"));
    return;
  }
  LibraryHandle = handle;
  if (Verbose) Show(QStringLiteral("UNZ DLL Loaded"));
  ExecEntry = reinterpret_cast<UnzDllExecFn>(dlsym(handle, "UnzDllExec"));
  if (ExecEntry == nullptr) Show(QStringLiteral("UnzDllExec function not found in " UNZ_LIBRARY_NAME));
  VersionEntry = reinterpret_cast<GetUnzDllVersionFn>(dlsym(handle, "GetUnzDllVersion"));
  if (VersionEntry == nullptr) Show(QStringLiteral("GetZipDllVersion function not found in " UNZ_LIBRARY_NAME));
}

void TUnzipper::UnloadUnzDll() {
  if (LibraryHandle == nullptr) return;
  dlclose(LibraryHandle);
  LibraryHandle = nullptr;
  ExecEntry = nullptr;
  VersionEntry = nullptr;
}

void TUnzipper::SetZipFilename(const QString& name) {
  ZipFilename_ = name;
  List();
}

void TUnzipper::List() {
  ZipContents_.clear();
  QFile file(ZipFilename_);
  if (ZipFilename_.isEmpty() || !QFileInfo(ZipFilename_).isFile()) {
    if (OnDirUpdate) OnDirUpdate(this);
    return;
  }
  if (!file.open(QIODevice::ReadOnly)) throw EZipError("Error reading Zip File");
  const qint64 fileSize = file.size();
  if (!FindFirstLocalHeader(file)) {
    Show(QStringLiteral("No valid zip entries found"));
    file.close();
    if (OnDirUpdate) OnDirUpdate(this);
    return;
  }
  uint32_t signature = kLocalHeader;
  for (;;) {
    if (signature == kLocalHeader) {
      unsigned char header[26];
      if (file.read(reinterpret_cast<char*>(header), sizeof header) != sizeof header) {
        throw EZipError("Error 2 reading Zip file");
      }
      ZipDirEntry entry;
      entry.Version = Le16(header);
      entry.Flag = Le16(header + 2);
      entry.CompressionMethod = Le16(header + 4);
      entry.Time = Le16(header + 6);
      entry.Date = Le16(header + 8);
      entry.CRC32 = Le32(header + 10);
      entry.CompressedSize = Le32(header + 14);
      entry.UncompressedSize = Le32(header + 18);
      entry.FileNameLength = Le16(header + 22);
      entry.ExtraFieldLength = Le16(header + 24);
      const QByteArray name = file.read(entry.FileNameLength);
      if (name.size() != entry.FileNameLength) throw EZipError("Error 2 reading Zip file");
      entry.FileName = QString::fromUtf8(name);
      const qint64 extraLength = entry.ExtraFieldLength;
      const qint64 compressedSize = entry.CompressedSize;
      ZipContents_.push_back(std::move(entry));
      const qint64 position = file.pos();
      if (position + extraLength + compressedSize > fileSize - 22) throw EZipError("Error 3 reading Zip file");
      if (!file.seek(position + extraLength)) throw EZipError("Error 4 reading Zip file");
      if (!file.seek(position + extraLength + compressedSize)) throw EZipError("Error 5 reading Zip file");
    } else if (signature == kCentralHeader || signature == kEndOfCentral) {
      break;
    }
    unsigned char bytes[4];
    if (file.read(reinterpret_cast<char*>(bytes), 4) != 4) throw EZipError("Error reading Zip File");
    signature = Le32(bytes);
  }
  file.close();
  if (OnDirUpdate) OnDirUpdate(this);
}

void TUnzipper::FillParams() {
  auto buffer = [](const QString& text) {
    const QByteArray bytes = QFile::encodeName(text);
    // Whole paths always fit: a buffer grows past 256 bytes rather than
    // cutting a long path and opening the wrong file.
    std::vector<char> b(std::max(kNameBufferSize, static_cast<size_t>(bytes.size()) + 1), '\0');
    std::memcpy(b.data(), bytes.constData(), static_cast<size_t>(bytes.size()));
    return b;
  };
  ArchiveBuffer_ = buffer(ZipFilename_);
  SpecBuffers_.clear();
  SpecPointers_.clear();
  for (const QString& pattern : FSpecArgs) SpecBuffers_.push_back(buffer(pattern));
  for (auto& b : SpecBuffers_) SpecPointers_.push_back(b.data());

  Params_ = UnzParams{};
  Params_.handle = nullptr;
  Params_.caller = this;
  Params_.version = UNZ_INTERFACE_VERSION;
  Params_.callback = &TUnzipper::UnzipperCallback;
  Params_.verbose = Verbose ? 1 : 0;
  Params_.one = 1;
  Params_.trace = (Trace || Verbose) ? 1 : 0;
  Params_.update = (ExtrOptions & ExtrUpdate) ? 1 : 0;
  Params_.freshen = ((ExtrOptions & ExtrFreshen) && !(ExtrOptions & ExtrUpdate)) ? 1 : 0;
  Params_.dirNames = (ExtrOptions & ExtrDirNames) ? 1 : 0;
  Params_.overwrite = (ExtrOptions & ExtrOverWrite) ? 1 : 0;
  Params_.specCount = static_cast<int32_t>(SpecPointers_.size());
  Params_.archiveName = ArchiveBuffer_.data();
  Params_.seven = 7;
  Params_.specs = SpecPointers_.empty() ? nullptr : SpecPointers_.data();
}

void TUnzipper::ReleaseParams() {
  ArchiveBuffer_.clear();
  SpecBuffers_.clear();
  SpecPointers_.clear();
  Params_.archiveName = nullptr;
  Params_.specs = nullptr;
  Params_.specCount = 0;
}

void TUnzipper::Extract() {
  if (Busy_) return;
  Busy_ = true;
  Cancel = false;
  SuccessCnt_ = 0;
  const bool loadedHere = !UnzDllLoaded();
  if (loadedHere) LoadUnzDll();
  if (ExecEntry != nullptr) {
    FillParams();
    const QString previous = QDir::currentPath();
    if (!ExtrBaseDir.isEmpty() && !QDir::setCurrent(ExtrBaseDir)) {
      Show(QStringLiteral("Unable to open the folder ") + ExtrBaseDir);
    } else {
      try {
        SuccessCnt_ = ExecEntry(&Params_);
      } catch (...) {
        Show(QStringLiteral("Fatal DLL Error: abort exception"));
      }
      QDir::setCurrent(previous);
    }
  }
  FSpecArgs.clear();
  ReleaseParams();
  if (loadedHere) UnloadUnzDll();
  Cancel = false;
  Busy_ = false;
}

int32_t TUnzipper::UnzipperCallback(UnzCallbackRecord* record) {
  auto* self = static_cast<TUnzipper*>(record->caller);
  if (self == nullptr) return 0;
  try {
    switch (record->action) {
      case UNZ_ACTION_NEW_FILE:
        if (self->OnProgress) {
          self->OnProgress(self, NewFile, QFile::decodeName(record->text), record->fileSize);
        }
        break;
      case UNZ_ACTION_PROGRESS:
        if (self->OnProgress) self->OnProgress(self, ProgressUpdate, QStringLiteral(" "), 0);
        break;
      case UNZ_ACTION_END_BATCH:
        if (self->OnProgress) self->OnProgress(self, EndOfBatch, QStringLiteral(" "), 0);
        break;
      case UNZ_ACTION_MESSAGE:
        if (self->OnMessage) {
          QString text = QString::fromUtf8(record->text);
          for (int i = 0; i < 2 && !text.isEmpty() && (text.endsWith('\r') || text.endsWith('\n')); ++i) {
            text.chop(1);
          }
          self->OnMessage(self, record->errorCode, text);
        }
        break;
      default:
        break;
    }
  } catch (...) {
    // An owner's handler that fails stops the batch rather than unwinding
    // through the library.
    return 1;
  }
  return self->Cancel ? 1 : 0;
}

}  // namespace lwk::setup
