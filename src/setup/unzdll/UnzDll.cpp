// libunzdll.so: the installer's unzip library, built on libzip.
//
// UnzDllExec extracts the files of a ZIP archive that match the given shell
// patterns into the process's current folder and reports every step through
// the caller's callback: action 1 before a file, action 2 for each block
// written, action 3 once at the end of the batch and action 4 for each
// message. A callback answer of 1 to the new-file call stops the batch before
// that file is written; to any other call, after the current file.
//
// Nothing in an archive may write outside the current folder: names with
// "..", absolute names, names that end up empty and link entries are refused
// with a message, and so is a member whose stored folder is a link the folder
// already holds. Each file is written under a temporary name in its own
// folder and renamed into place only when it was read whole, no longer than
// its declared size, and its checksum matched, so a broken archive never
// leaves half a file under a real name and never damages the file it would
// have replaced. Permission bits are stored ones or 0666, always through the
// umask.
//
// An archive may follow other data (a self-extracting stub): when it does not
// open as it stands, it is opened from its first local header, looked for in
// the first 60000 bytes as the installer's own listing does.

#include "UnzDll.h"

#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

// The library's own version, 1.00 written as 100.
constexpr int32_t kLibraryVersion = 100;

// Files are copied in blocks of this size; each block is one progress call.
constexpr zip_int64_t kBlockSize = 32768;

// How far into the file the first local header of an archive behind other
// data is looked for.
constexpr size_t kSignatureSearchLimit = 60000;

// Error codes of the message action: 0 is a plain note.
enum ErrorCode : int32_t {
  kNote = 0,
  kArchiveError = 1,  // the archive cannot be opened
  kReadError = 2,     // a member cannot be read whole (truncated, corrupt, bad checksum)
  kWriteError = 3,    // the target file cannot be written
  kRefused = 4,       // a member that would leave the folder or is a link
};

// Talks to the caller's callback and remembers whether it asked to stop.
class Reporter {
 public:
  explicit Reporter(const UnzParams& params) : params_(params) {}

  void Send(int32_t action, int32_t errorCode, zip_uint64_t fileSize, const std::string& text) {
    if (params_.callback == nullptr) return;
    UnzCallbackRecord record{};
    record.handle = params_.handle;
    record.caller = params_.caller;
    record.version = UNZ_INTERFACE_VERSION;
    record.action = action;
    record.errorCode = errorCode;
    record.fileSize = fileSize > static_cast<zip_uint64_t>(INT32_MAX) ? INT32_MAX : static_cast<int32_t>(fileSize);
    std::snprintf(record.text, sizeof record.text, "%s", text.c_str());
    if (params_.callback(&record) == 1) stopRequested_ = true;
  }

  void Message(int32_t errorCode, const std::string& text) { Send(UNZ_ACTION_MESSAGE, errorCode, 0, text); }
  bool StopRequested() const { return stopRequested_; }

 private:
  const UnzParams& params_;
  bool stopRequested_ = false;
};

// A stored name taken apart into the folder names and the file name it
// would be written under. Both "/" and "\" separate names.
struct EntryName {
  enum class Fault { None, LeavesFolder, Empty };
  Fault fault = Fault::None;
  bool directory = false;          // the stored name ends with a separator
  std::vector<std::string> parts;  // names without "." and empty ones
};

bool IsSeparator(char c) {
  return c == '/' || c == '\\';
}

EntryName ParseName(const std::string& raw) {
  EntryName name;
  if (raw.empty()) {
    name.fault = EntryName::Fault::Empty;
    return name;
  }
  const bool driveLetter = raw.size() >= 2 && std::isalpha(static_cast<unsigned char>(raw[0])) && raw[1] == ':';
  if (IsSeparator(raw[0]) || driveLetter) {
    name.fault = EntryName::Fault::LeavesFolder;
    return name;
  }
  name.directory = IsSeparator(raw.back());
  std::string last;
  std::string part;
  auto finishPart = [&] {
    last = part;
    if (part == "..") name.fault = EntryName::Fault::LeavesFolder;
    if (!part.empty() && part != "." && part != "..") name.parts.push_back(part);
    part.clear();
  };
  for (char c : raw) {
    if (IsSeparator(c)) {
      finishPart();
    } else {
      part += c;
    }
  }
  if (!part.empty() || !name.directory) finishPart();
  if (name.fault != EntryName::Fault::None) return name;
  // A file must end in a real name ("docs/." names no file).
  if (!name.directory && (last.empty() || last == "." || name.parts.empty())) name.fault = EntryName::Fault::Empty;
  return name;
}

std::string Join(const std::vector<std::string>& parts, size_t count) {
  std::string path;
  for (size_t i = 0; i < count; ++i) {
    if (i > 0) path += '/';
    path += parts[i];
  }
  return path;
}

// Shell patterns against the stored name and the file name. As on the
// installer's home ground, a pattern ending in ".*" also takes names without
// an extension, so "*.*" matches every file.
bool MatchesOne(const std::string& pattern, const std::string& full, const std::string& base) {
  return fnmatch(pattern.c_str(), full.c_str(), 0) == 0 || fnmatch(pattern.c_str(), base.c_str(), 0) == 0;
}

bool Matches(const std::vector<std::string>& specs, const std::string& full, const std::string& base) {
  if (specs.empty()) return true;
  for (const std::string& pattern : specs) {
    if (MatchesOne(pattern, full, base)) return true;
    if (pattern.size() >= 2 && pattern.compare(pattern.size() - 2, 2, ".*") == 0 &&
        MatchesOne(pattern.substr(0, pattern.size() - 2), full, base)) {
      return true;
    }
  }
  return false;
}

// The first of the folders of a relative path that exists as a link; empty
// when none does. Writing through such a link would put files wherever it
// points.
std::string LinkedFolder(const std::vector<std::string>& parts, size_t count) {
  for (size_t i = 1; i <= count; ++i) {
    const std::string level = Join(parts, i);
    struct stat st {};
    if (lstat(level.c_str(), &st) != 0) return {};
    if (S_ISLNK(st.st_mode)) return level;
  }
  return {};
}

// Creates the folders of a relative path one level at a time. A level that
// exists as anything but a folder (a link to one included) fails.
bool MakeFolders(const std::vector<std::string>& parts, size_t count) {
  for (size_t i = 1; i <= count; ++i) {
    const std::string level = Join(parts, i);
    struct stat st {};
    if (lstat(level.c_str(), &st) == 0) {
      if (!S_ISDIR(st.st_mode)) return false;
      continue;
    }
    if (mkdir(level.c_str(), 0777) != 0 && errno != EEXIST) return false;
  }
  return true;
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

mode_t CurrentUmask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

// Where the first local header signature starts within the first 60000
// bytes of a file; -1 when it is not there.
zip_int64_t FirstLocalHeader(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return -1;
  std::vector<char> head(kSignatureSearchLimit + 4);
  const size_t got = std::fread(head.data(), 1, head.size(), file);
  std::fclose(file);
  static const char kSignature[4] = {'P', 'K', 3, 4};
  for (size_t at = 0; at + 4 <= got; ++at) {
    if (std::memcmp(head.data() + at, kSignature, 4) == 0) return static_cast<zip_int64_t>(at);
  }
  return -1;
}

// Opens an archive as it stands or, failing that, from its first local
// header on: the offsets of an archive that other data was put in front of
// count from there. Null with *error set to the first failure.
zip_t* OpenArchive(const std::string& path, int* error) {
  zip_t* za = zip_open(path.c_str(), ZIP_RDONLY, error);
  if (za != nullptr) return za;
  const zip_int64_t start = FirstLocalHeader(path);
  if (start <= 0) return nullptr;
  zip_error_t ze;
  zip_error_init(&ze);
  zip_source_t* source = zip_source_file_create(path.c_str(), static_cast<zip_uint64_t>(start), -1, &ze);
  if (source != nullptr) {
    za = zip_open_from_source(source, ZIP_RDONLY, &ze);
    if (za == nullptr) zip_source_free(source);
  }
  zip_error_fini(&ze);
  return za;
}

class Extraction {
 public:
  Extraction(const UnzParams& params, Reporter& reporter) : params_(params), reporter_(reporter) {}

  int32_t Run() {
    if (params_.archiveName == nullptr) {
      reporter_.Message(kArchiveError, "No archive was named");
      return 0;
    }
    for (int32_t i = 0; i < params_.specCount && params_.specs != nullptr; ++i) {
      if (params_.specs[i] != nullptr) specs_.emplace_back(params_.specs[i]);
    }
    const std::string archive = params_.archiveName;
    int error = 0;
    zip_t* za = OpenArchive(archive, &error);
    if (za == nullptr) {
      zip_error_t ze;
      zip_error_init_with_code(&ze, error);
      reporter_.Message(kArchiveError, "Unable to open archive " + archive + ": " + zip_error_strerror(&ze));
      zip_error_fini(&ze);
      return 0;
    }
    if (params_.verbose) reporter_.Message(kNote, "Archive: " + archive);
    umask_ = CurrentUmask();
    const zip_int64_t entries = zip_get_num_entries(za, 0);
    for (zip_int64_t i = 0; i < entries && !reporter_.StopRequested(); ++i)
      ExtractEntry(za, static_cast<zip_uint64_t>(i));
    zip_discard(za);
    reporter_.Send(UNZ_ACTION_END_BATCH, 0, 0, "");
    return written_;
  }

 private:
  void ExtractEntry(zip_t* za, zip_uint64_t index) {
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(za, index, 0, &st) != 0 || st.name == nullptr) {
      reporter_.Message(kReadError, "Unable to read entry " + std::to_string(index) + " of the archive");
      return;
    }
    const std::string raw = st.name;
    const EntryName name = ParseName(raw);
    const std::string full = Join(name.parts, name.parts.size());
    const std::string base = name.parts.empty() ? std::string() : name.parts.back();
    if (name.directory && name.fault == EntryName::Fault::None) {
      // Folders are only made when stored folder names are used.
      if (!params_.dirNames || name.parts.empty() || !Matches(specs_, full, base)) return;
      const std::string linked = LinkedFolder(name.parts, name.parts.size());
      if (!linked.empty()) {
        RefuseLinked(raw, linked);
      } else if (!MakeFolders(name.parts, name.parts.size())) {
        reporter_.Message(kWriteError, "Unable to create folder " + full);
      }
      return;
    }
    if (!Matches(specs_, full, base) && name.fault == EntryName::Fault::None) return;

    if (name.fault == EntryName::Fault::LeavesFolder) {
      reporter_.Message(kRefused, "Refused " + raw + ": the name points outside the installation folder");
      return;
    }
    if (name.fault == EntryName::Fault::Empty) {
      reporter_.Message(kRefused, "Refused an entry with no file name (\"" + raw + "\")");
      return;
    }
    zip_uint8_t opsys = ZIP_OPSYS_DEFAULT;
    zip_uint32_t attributes = 0;
    zip_file_get_external_attributes(za, index, 0, &opsys, &attributes);
    const mode_t storedMode = opsys == ZIP_OPSYS_UNIX ? static_cast<mode_t>(attributes >> 16) : 0;
    if (S_ISLNK(storedMode)) {
      reporter_.Message(kRefused, "Refused " + raw + ": links are not installed");
      return;
    }
    if ((storedMode & S_IFMT) != 0 && !S_ISREG(storedMode)) {
      reporter_.Message(kRefused, "Refused " + raw + ": not a plain file");
      return;
    }

    if (params_.dirNames && name.parts.size() > 1) {
      const std::string linked = LinkedFolder(name.parts, name.parts.size() - 1);
      if (!linked.empty()) {
        RefuseLinked(raw, linked);
        return;
      }
    }
    const std::string target = params_.dirNames ? full : base;
    const bool hasTime = (st.valid & ZIP_STAT_MTIME) != 0;
    struct stat existing {};
    const bool exists = lstat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
      reporter_.Message(kWriteError, "Unable to write " + target + ": a folder of that name exists");
      return;
    }
    const bool newer = !exists || !hasTime || existing.st_mtime < st.mtime;
    if (params_.update) {
      if (!newer) return;
    } else if (params_.freshen) {
      if (!exists || !newer) return;
    } else if (exists && !params_.overwrite) {
      reporter_.Message(kNote, target + " exists and was kept");
      return;
    }
    if (params_.dirNames && name.parts.size() > 1 && !MakeFolders(name.parts, name.parts.size() - 1)) {
      reporter_.Message(kWriteError, "Unable to create the folder of " + target);
      return;
    }

    const zip_uint64_t size = (st.valid & ZIP_STAT_SIZE) ? st.size : 0;
    reporter_.Send(UNZ_ACTION_NEW_FILE, 0, size, raw);
    if (reporter_.StopRequested()) return;
    const mode_t mode = ((storedMode & 0777) != 0 ? (storedMode & 0777) : 0666) & ~umask_;
    if (WriteFile(za, index, target, size, mode, hasTime ? st.mtime : 0)) {
      ++written_;
      if (params_.verbose) reporter_.Message(kNote, "  inflating: " + target);
    }
  }

  void RefuseLinked(const std::string& raw, const std::string& linked) {
    reporter_.Message(kRefused, "Refused " + raw + ": " + linked + " is a link in the installation folder");
  }

  bool WriteFile(zip_t* za, zip_uint64_t index, const std::string& target, zip_uint64_t size, mode_t mode,
                 time_t mtime) {
    std::string temp = FolderOf(target) + "/.unz-XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) {
      reporter_.Message(kWriteError, "Unable to write " + target + ": " + std::strerror(errno));
      return false;
    }
    std::string fault;
    int32_t faultCode = kReadError;
    zip_file_t* zf = zip_fopen_index(za, index, 0);
    if (zf == nullptr) {
      fault = zip_strerror(za);
    } else {
      std::vector<char> block(static_cast<size_t>(kBlockSize));
      zip_uint64_t total = 0;
      for (;;) {
        // The declared size is a ceiling: one byte more than what is left
        // is asked for, so data that runs on is caught before any of it is
        // written.
        const zip_uint64_t wanted = std::min(static_cast<zip_uint64_t>(kBlockSize), size - total + 1);
        const zip_int64_t n = zip_fread(zf, block.data(), wanted);
        if (n < 0) {
          fault = zip_file_strerror(zf);
          break;
        }
        if (n == 0) break;
        if (static_cast<zip_uint64_t>(n) > size - total) {
          fault = "the stored data is longer than the file";
          break;
        }
        if (!WriteAll(fd, block.data(), static_cast<size_t>(n))) {
          fault = std::strerror(errno);
          faultCode = kWriteError;
          break;
        }
        total += static_cast<zip_uint64_t>(n);
        reporter_.Send(UNZ_ACTION_PROGRESS, 0, 0, "");
      }
      if (fault.empty() && total != size) fault = "the stored data is shorter than the file";
      if (zip_fclose(zf) != 0 && fault.empty()) fault = "the stored data is damaged";
    }
    if (fault.empty()) {
      if (fchmod(fd, mode) != 0) {
        fault = std::strerror(errno);
        faultCode = kWriteError;
      } else if (mtime != 0) {
        const timespec times[2] = {{mtime, 0}, {mtime, 0}};
        futimens(fd, times);
      }
    }
    if (close(fd) != 0 && fault.empty()) {
      fault = std::strerror(errno);
      faultCode = kWriteError;
    }
    if (fault.empty() && rename(temp.c_str(), target.c_str()) != 0) {
      fault = std::strerror(errno);
      faultCode = kWriteError;
    }
    if (!fault.empty()) {
      unlink(temp.c_str());
      const std::string what = faultCode == kReadError ? "Error reading " : "Unable to write ";
      reporter_.Message(faultCode, what + target + ": " + fault + "; the file was not installed");
      return false;
    }
    return true;
  }

  const UnzParams& params_;
  Reporter& reporter_;
  std::vector<std::string> specs_;
  mode_t umask_ = 022;
  int32_t written_ = 0;
};

}  // namespace

extern "C" int32_t UnzDllExec(UnzParams* params) {
  if (params == nullptr) return 0;
  Reporter reporter(*params);
  try {
    return Extraction(*params, reporter).Run();
  } catch (...) {
    reporter.Message(kWriteError, "Out of memory while extracting");
    return 0;
  }
}

extern "C" int32_t GetUnzDllVersion(void) {
  return kLibraryVersion;
}
