// The archive component: its own listing of the archive, and extraction
// through the real unzip library libunzdll.so.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "ZipFixtures.h"
#include "setup/Unzipper.h"

namespace lwk::setup::test {
namespace {

// Rewrites the uncompressed size a member declares, in its local header and
// in the central directory.
bool DeclareSize(QByteArray& zip, const QByteArray& name, uint32_t size) {
  int found = 0;
  const struct {
    QByteArray signature;
    int nameAt;
    int sizeAt;
  } headers[] = {{QByteArray("PK\x03\x04", 4), 30, 22}, {QByteArray("PK\x01\x02", 4), 46, 24}};
  for (const auto& h : headers) {
    for (qsizetype at = zip.indexOf(h.signature); at >= 0; at = zip.indexOf(h.signature, at + 1)) {
      if (zip.mid(at + h.nameAt, name.size()) != name) continue;
      for (int i = 0; i < 4; ++i) zip[at + h.sizeAt + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
      ++found;
    }
  }
  return found == 2;
}

struct Event {
  ProgressType type;
  QString name;
  int32_t size;
};

class UnzipperTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    TUnzipper::SetLibraryFolder(QStringLiteral(LWK_SETUP_BIN_DIR));
    target = dir.filePath(QStringLiteral("target"));
    ASSERT_TRUE(QDir().mkpath(target));
    unzipper.ShowMessage = [this](const QString& text) { shown << text; };
    unzipper.OnMessage = [this](TUnzipper*, int32_t code, const QString& text) {
      messages << text;
      codes.push_back(code);
    };
    unzipper.OnProgress = [this](TUnzipper*, ProgressType type, const QString& name, int32_t size) {
      events.push_back({type, name, size});
      if (onProgress) onProgress(type, name);
    };
  }
  void TearDown() override { unzipper.UnloadUnzDll(); }

  QString Archive(const std::vector<ZipMember>& members, const QString& name = QStringLiteral("test.zip")) {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(MakeZip(path, members));
    return path;
  }
  int32_t ExtractAll(const QString& archive, unsigned options) {
    unzipper.SetZipFilename(archive);
    unzipper.ExtrBaseDir = target;
    unzipper.ExtrOptions = options;
    unzipper.FSpecArgs = {QStringLiteral("*.*")};
    unzipper.Extract();
    return unzipper.SuccessCnt();
  }
  QString InTarget(const QString& name) const { return QDir(target).filePath(name); }
  QStringList TargetFiles() const {
    return QDir(target).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::Dirs | QDir::NoDotAndDotDot,
                                  QDir::Name);
  }
  int Count(ProgressType type) const {
    return static_cast<int>(
        std::count_if(events.begin(), events.end(), [&](const Event& e) { return e.type == type; }));
  }

  QTemporaryDir dir;
  QString target;
  TUnzipper unzipper;
  QStringList shown;
  QStringList messages;
  std::vector<int32_t> codes;
  std::vector<Event> events;
  std::function<void(ProgressType, const QString&)> onProgress;
};

TEST_F(UnzipperTest, StartsWithTheDocumentedValues) {
  EXPECT_FALSE(unzipper.Verbose);
  EXPECT_FALSE(unzipper.Trace);
  EXPECT_EQ(unzipper.AddCompLevel, 9);
  EXPECT_EQ(unzipper.AddOptions, 0u);
  EXPECT_EQ(unzipper.ExtrOptions, 0u);
  EXPECT_TRUE(unzipper.ExtrBaseDir.isEmpty());
  EXPECT_TRUE(unzipper.FSpecArgs.isEmpty());
  EXPECT_EQ(unzipper.Count(), 0);
  EXPECT_FALSE(unzipper.Busy());
}

// Other data in front of the first entry (a self-extracting stub) is skipped
// byte by byte, including near-misses of the signature ("PK" 3 and a "P"
// right before the real one), and what is listed is also extracted.
TEST_F(UnzipperTest, ListsAndExtractsAnArchiveBehindOtherData) {
  const QString zip = Archive({{"lwk", Pattern(3000), 0100755}, {"readme.txt", "Hello"}, {"LAKE1.LAK", "lake"}});
  QByteArray prefix = Pattern(100, 7);
  prefix.replace(40, 3, QByteArray("PK\x03", 3));
  prefix.replace(70, 2, "PK");
  prefix[99] = 'P';
  const QString shifted = dir.filePath(QStringLiteral("shifted.zip"));
  ASSERT_TRUE(WriteAll(shifted, prefix + ReadAll(zip)));
  int updates = 0;
  unzipper.OnDirUpdate = [&](TUnzipper*) { ++updates; };

  unzipper.SetZipFilename(shifted);

  ASSERT_EQ(unzipper.Count(), 3);
  EXPECT_EQ(unzipper.ZipContents()[0].FileName, "lwk");
  EXPECT_EQ(unzipper.ZipContents()[0].UncompressedSize, 3000u);
  EXPECT_EQ(unzipper.ZipContents()[1].FileName, "readme.txt");
  EXPECT_EQ(unzipper.ZipContents()[2].FileName, "LAKE1.LAK");
  EXPECT_EQ(updates, 1);
  EXPECT_TRUE(shown.isEmpty());

  EXPECT_EQ(ExtractAll(shifted, ExtrOverWrite), 3);
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
  EXPECT_EQ(ReadAll(InTarget("lwk")), Pattern(3000));
  EXPECT_EQ(ReadAll(InTarget("readme.txt")), "Hello");
  EXPECT_EQ(ReadAll(InTarget("LAKE1.LAK")), "lake");
}

TEST_F(UnzipperTest, FindsNoEntriesWhereThereIsNoSignature) {
  // 70 000 bytes without a local header, and a missing file.
  const QString junk = dir.filePath(QStringLiteral("junk.zip"));
  ASSERT_TRUE(WriteAll(junk, Pattern(70000, 3)));
  unzipper.SetZipFilename(junk);
  EXPECT_EQ(unzipper.Count(), 0);
  EXPECT_EQ(shown, QStringList{"No valid zip entries found"});

  // A signature after the first 60000 bytes is not looked for.
  const QString late = dir.filePath(QStringLiteral("late.zip"));
  ASSERT_TRUE(WriteAll(late, Pattern(60001, 4) + ReadAll(Archive({{"a.txt", "a"}}))));
  unzipper.SetZipFilename(late);
  EXPECT_EQ(unzipper.Count(), 0);
  EXPECT_EQ(shown.size(), 2);

  shown.clear();
  unzipper.SetZipFilename(dir.filePath(QStringLiteral("missing.zip")));
  EXPECT_EQ(unzipper.Count(), 0);
  EXPECT_TRUE(shown.isEmpty());
}

TEST_F(UnzipperTest, RaisesReadFaultsOfABrokenArchive) {
  const QByteArray whole = ReadAll(Archive({{"a.txt", Pattern(500)}, {"b.txt", Pattern(500, 2)}}));
  // The second local header starts after the first header (30 bytes + name),
  // its data and nothing else: the fixtures store no extra fields.
  const int second = 30 + 5 + 500;
  ASSERT_EQ(whole.mid(second, 4), QByteArray("PK\x03\x04", 4));
  struct Case {
    const char* what;
    QByteArray bytes;
    const char* error;
  } cases[] = {
      {"header cut short", whole.left(20), "Error 2 reading Zip file"},
      {"name cut short", whole.left(32), "Error 2 reading Zip file"},
      {"data beyond the end", whole.left(400), "Error 3 reading Zip file"},
      {"nothing after the data", whole.left(second) + QByteArray(22, 'x'), "Error reading Zip File"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QString path = dir.filePath(QStringLiteral("broken.zip"));
    ASSERT_TRUE(WriteAll(path, c.bytes));
    try {
      unzipper.SetZipFilename(path);
      ADD_FAILURE() << "no error raised";
    } catch (const EZipError& error) {
      EXPECT_STREQ(error.what(), c.error);
    }
  }
}

// Stored permission bits pass through the player's umask (here 027): nothing
// installs writable or readable for more people than the player allows, and
// set-id bits never install.
TEST_F(UnzipperTest, ExtractsWithProgressAndPermissions) {
  const QString zip = Archive({{"lwk", Pattern(100000), 0100755},
                               {"THEME.WAV", Pattern(20000, 2), 0100644},
                               {"plain.txt", "no mode stored", 0},
                               {"sneaky", "setuid", 0104755},
                               {"open", "stored 0777", 0100777},
                               {"folder/", {}, 040755, true}});
  const mode_t oldMask = umask(027);
  EXPECT_EQ(ExtractAll(zip, ExtrOverWrite), 5);
  umask(oldMask);

  EXPECT_EQ(ReadAll(InTarget("lwk")), Pattern(100000));
  EXPECT_EQ(Permissions(InTarget("lwk")), 0750);
  EXPECT_EQ(Permissions(InTarget("THEME.WAV")), 0640);
  EXPECT_EQ(Permissions(InTarget("plain.txt")), 0640);
  EXPECT_EQ(Permissions(InTarget("sneaky")), 0750);
  EXPECT_EQ(Permissions(InTarget("open")), 0750);
  // Without stored folder names nothing but the files appears.
  EXPECT_EQ(TargetFiles(), (QStringList{"THEME.WAV", "lwk", "open", "plain.txt", "sneaky"}));

  // One new-file event with name and size per file, a progress event per
  // 32768-byte block, one end of batch.
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(events[0].type, NewFile);
  EXPECT_EQ(events[0].name, "lwk");
  EXPECT_EQ(events[0].size, 100000);
  EXPECT_EQ(Count(NewFile), 5);
  EXPECT_EQ(Count(ProgressUpdate), 4 + 1 + 1 + 1 + 1);
  EXPECT_EQ(Count(EndOfBatch), 1);
  EXPECT_EQ(events.back().type, EndOfBatch);
  EXPECT_TRUE(messages.isEmpty());
  // The folder of the caller is back as it was, and the specs are used up.
  EXPECT_NE(QDir::currentPath(), QDir(target).canonicalPath());
  EXPECT_TRUE(unzipper.FSpecArgs.isEmpty());
}

TEST_F(UnzipperTest, PatternsChooseTheFilesAndFolderNamesAreKeptOnRequest) {
  const QString zip = Archive({{"data/POND.LAK", "lake"}, {"data/POND.dpt", "depth"}, {"lwk", "program"}});
  unzipper.SetZipFilename(zip);
  unzipper.ExtrBaseDir = target;
  unzipper.FSpecArgs = {QStringLiteral("*.LAK"), QStringLiteral("lwk.*")};
  unzipper.Extract();
  EXPECT_EQ(unzipper.SuccessCnt(), 2);
  EXPECT_EQ(TargetFiles(), (QStringList{"POND.LAK", "lwk"}));

  EXPECT_EQ(ExtractAll(zip, ExtrDirNames | ExtrOverWrite), 3);
  EXPECT_EQ(ReadAll(InTarget("data/POND.dpt")), "depth");
}

TEST_F(UnzipperTest, ExistingFilesAreKeptWithoutOverwrite) {
  const QString zip = Archive({{"LWK.INI", "shipped"}, {"new.txt", "new"}});
  ASSERT_TRUE(WriteAll(InTarget("LWK.INI"), "mine"));
  EXPECT_EQ(ExtractAll(zip, 0), 1);
  EXPECT_EQ(ReadAll(InTarget("LWK.INI")), "mine");
  EXPECT_EQ(ReadAll(InTarget("new.txt")), "new");
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("LWK.INI")) << messages[0].toStdString();
  EXPECT_EQ(codes[0], 0);
}

// Update adds missing files and replaces older ones; freshen only replaces
// older ones; with both set the library is asked to update.
TEST_F(UnzipperTest, UpdateWinsOverFreshen) {
  struct Case {
    unsigned options;
    bool oldReplaced;
    bool missingAdded;
  } cases[] = {
      {ExtrUpdate | ExtrFreshen, true, true},
      {ExtrUpdate, true, true},
      {ExtrFreshen, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options);
    QDir(target).removeRecursively();
    QDir().mkpath(target);
    const QString zip = Archive({{"old.txt", "from archive"}, {"missing.txt", "from archive"}});
    ASSERT_TRUE(WriteAll(InTarget("old.txt"), "old"));
    SetModified(InTarget("old.txt"), 100000000);  // 1973, older than the archive
    ExtractAll(zip, c.options);
    EXPECT_EQ(ReadAll(InTarget("old.txt")) == "from archive", c.oldReplaced);
    EXPECT_EQ(QFileInfo::exists(InTarget("missing.txt")), c.missingAdded);
  }
}

// Cancel answered when a file is announced stops before that file is
// written; answered while a file is being written, after that file.
TEST_F(UnzipperTest, CancelStopsTheBatch) {
  const QString zip = Archive({{"1.txt", "1"}, {"2.txt", Pattern(70000)}, {"3.txt", "3"}, {"4.txt", "4"}});
  struct Case {
    ProgressType at;
    QStringList written;
  } cases[] = {
      {NewFile, {"1.txt"}},
      {ProgressUpdate, {"1.txt", "2.txt"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.at);
    QDir(target).removeRecursively();
    QDir().mkpath(target);
    events.clear();
    QString current;
    onProgress = [&](ProgressType type, const QString& name) {
      if (type == NewFile) current = name;
      if (type == c.at && current == "2.txt") unzipper.Cancel = true;
    };
    EXPECT_EQ(ExtractAll(zip, ExtrOverWrite), c.written.size());
    EXPECT_EQ(TargetFiles(), c.written);
    if (c.written.contains("2.txt")) {
      EXPECT_EQ(ReadAll(InTarget("2.txt")), Pattern(70000));
    }
    EXPECT_EQ(Count(EndOfBatch), 1);
    EXPECT_FALSE(unzipper.Cancel);
    EXPECT_FALSE(unzipper.Busy());
  }
}

TEST_F(UnzipperTest, ExtractWhileBusyReturnsAtOnce) {
  const QString zip = Archive({{"1.txt", "1"}, {"2.txt", "2"}});
  int nested = 0;
  onProgress = [&](ProgressType type, const QString&) {
    if (type != NewFile || nested > 0) return;
    ++nested;
    EXPECT_TRUE(unzipper.Busy());
    const size_t before = events.size();
    unzipper.FSpecArgs = {QStringLiteral("*.*")};
    unzipper.Extract();
    EXPECT_EQ(events.size(), before);
    EXPECT_TRUE(unzipper.Busy());
  };
  EXPECT_EQ(ExtractAll(zip, ExtrOverWrite), 2);
  EXPECT_EQ(nested, 1);
  EXPECT_EQ(Count(NewFile), 2);
}

// Nothing in an archive writes outside the target folder, whatever the
// options: such entries are refused with a message and the rest installs.
TEST_F(UnzipperTest, RefusesEntriesThatLeaveTheFolder) {
  const QString outside = dir.filePath(QStringLiteral("outside.txt"));
  const std::vector<ZipMember> members = {
      {"../evil.txt", "x"},
      {"..\\evil2.txt", "x"},
      {"docs/../../evil3.txt", "x"},
      {outside.toStdString(), "x"},
      {"C:\\evil4.txt", "x"},
      {"docs/.", "x"},
      {"", "x"},
      {"link", QFile::encodeName(outside), 0120777},
      {"good.txt", "good"},
  };
  const QString zip = Archive(members);
  for (unsigned options :
       {0u, unsigned(ExtrOverWrite), unsigned(ExtrDirNames | ExtrOverWrite), unsigned(ExtrUpdate | ExtrDirNames)}) {
    SCOPED_TRACE(options);
    QDir(target).removeRecursively();
    QDir().mkpath(target);
    messages.clear();
    EXPECT_EQ(ExtractAll(zip, options), 1);
    EXPECT_EQ(TargetFiles(), QStringList{"good.txt"});
    EXPECT_EQ(messages.size(), 8) << messages.join('\n').toStdString();
    for (const QString& message : messages) EXPECT_TRUE(message.startsWith("Refused")) << message.toStdString();
    EXPECT_TRUE(messages[7].contains("link"));
  }
  EXPECT_FALSE(QFileInfo::exists(outside));
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("evil.txt")));
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("evil3.txt")));
}

// A member whose bytes are damaged is reported and never replaces the file
// of that name; no temporary file is left behind.
TEST_F(UnzipperTest, DamagedMemberLeavesTheOldFileIntact) {
  const QByteArray good = Pattern(50000, 5);
  const QString zip = Archive({{"a.txt", "a"}, {"bad.bin", good}, {"c.txt", "c"}});
  QByteArray bytes = ReadAll(zip);
  const int at = bytes.indexOf(good.left(64));
  ASSERT_GT(at, 0);
  bytes[at + 40000] = static_cast<char>(bytes[at + 40000] ^ 0x55);
  ASSERT_TRUE(WriteAll(zip, bytes));
  ASSERT_TRUE(WriteAll(InTarget("bad.bin"), "the player's old file"));

  EXPECT_EQ(ExtractAll(zip, ExtrOverWrite), 2);

  EXPECT_EQ(ReadAll(InTarget("bad.bin")), "the player's old file");
  EXPECT_EQ(TargetFiles(), (QStringList{"a.txt", "bad.bin", "c.txt"}));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("bad.bin")) << messages[0].toStdString();
  EXPECT_NE(codes[0], 0);
}

// The declared size is a ceiling: a member whose data runs on past it (here
// 4 MB of zeros deflated, declared as 1000 bytes) is refused as soon as the
// data passes that size, and nothing of it is installed.
TEST_F(UnzipperTest, DataLongerThanDeclaredIsRefusedAtOnce) {
  const QString zip = Archive({{"a.txt", "a"}, {"big.bin", QByteArray(4 << 20, '\0'), 0100644, false, true}});
  QByteArray bytes = ReadAll(zip);
  ASSERT_TRUE(DeclareSize(bytes, "big.bin", 1000));
  ASSERT_TRUE(WriteAll(zip, bytes));
  ASSERT_TRUE(WriteAll(InTarget("big.bin"), "the player's old file"));

  EXPECT_EQ(ExtractAll(zip, ExtrOverWrite), 1);

  EXPECT_EQ(ReadAll(InTarget("big.bin")), "the player's old file");
  EXPECT_EQ(TargetFiles(), (QStringList{"a.txt", "big.bin"}));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("big.bin") && messages[0].contains("longer")) << messages[0].toStdString();
  EXPECT_NE(codes[0], 0);
  // Only a.txt's one block was written: the long member stopped before any.
  EXPECT_EQ(Count(ProgressUpdate), 1);
}

// With stored folder names, a link the target folder already holds is never
// followed: members under it are refused and nothing lands where it points.
TEST_F(UnzipperTest, LinkedFolderIsNeverFollowed) {
  QTemporaryDir elsewhere;
  ASSERT_TRUE(QFile::link(elsewhere.path(), InTarget("data")));
  ASSERT_TRUE(QDir().mkpath(InTarget("real")));
  ASSERT_TRUE(QFile::link(elsewhere.path(), InTarget("real/deep")));
  const QString zip = Archive(
      {{"data/POND.LAK", "lake"}, {"data/sub/", {}, 040755, true}, {"real/deep/x.txt", "x"}, {"good.txt", "good"}});

  EXPECT_EQ(ExtractAll(zip, ExtrDirNames | ExtrOverWrite), 1);

  EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());
  EXPECT_EQ(ReadAll(InTarget("good.txt")), "good");
  ASSERT_EQ(messages.size(), 3) << messages.join('\n').toStdString();
  EXPECT_TRUE(messages[0].startsWith("Refused data/POND.LAK")) << messages[0].toStdString();
  EXPECT_TRUE(messages[1].startsWith("Refused data/sub/")) << messages[1].toStdString();
  EXPECT_TRUE(messages[2].startsWith("Refused real/deep/x.txt")) << messages[2].toStdString();
}

TEST_F(UnzipperTest, TruncatedArchiveWritesNothing) {
  const QString zip = Archive({{"a.txt", Pattern(5000)}, {"b.txt", Pattern(5000, 2)}});
  const QByteArray bytes = ReadAll(zip);
  ASSERT_TRUE(WriteAll(zip, bytes.left(bytes.size() / 2)));
  unzipper.ExtrBaseDir = target;
  unzipper.FSpecArgs = {QStringLiteral("*.*")};
  // Listing the cut archive raises a read fault; extracting it is reported.
  EXPECT_THROW(unzipper.SetZipFilename(zip), EZipError);
  unzipper.Extract();
  EXPECT_EQ(unzipper.SuccessCnt(), 0);
  EXPECT_TRUE(TargetFiles().isEmpty());
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].startsWith("Unable to open archive")) << messages[0].toStdString();
}

TEST_F(UnzipperTest, MissingLibraryIsReportedAndNothingIsExtracted) {
  QTemporaryDir empty;
  TUnzipper::SetLibraryFolder(empty.path());
  const QString zip = Archive({{"a.txt", "a"}});
  unzipper.Verbose = true;
  unzipper.LoadUnzDll();
  EXPECT_FALSE(TUnzipper::UnzDllLoaded());
  EXPECT_EQ(shown, QStringList{"libunzdll.so not found"});
  EXPECT_EQ(ExtractAll(zip, ExtrOverWrite), 0);
  EXPECT_TRUE(TargetFiles().isEmpty());
  EXPECT_FALSE(unzipper.Busy());

  shown.clear();
  TUnzipper::SetLibraryFolder(QStringLiteral(LWK_SETUP_BIN_DIR));
  unzipper.LoadUnzDll();
  EXPECT_TRUE(TUnzipper::UnzDllLoaded());
  EXPECT_EQ(shown, QStringList{"UNZ DLL Loaded"});
}

}  // namespace
}  // namespace lwk::setup::test
