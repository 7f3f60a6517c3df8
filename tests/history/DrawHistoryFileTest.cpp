#include "history/DrawHistoryFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "common/FileError.h"
#include "support/HistoryFixture.h"
#include "support/TempDir.h"

namespace varo {
namespace {

using Bytes = std::vector<unsigned char>;
namespace fs = std::filesystem;

// One record on disk: the date as a little-endian double, then eight number bytes.
Bytes recordBytes(double date, std::array<std::uint8_t, 8> numbers) {
    return test::historyBytes({test::draw(date, numbers)});
}

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

DrawRecord record(double date, std::array<std::uint8_t, 8> numbers) {
    return test::draw(date, numbers);
}

// Three Sunday draws a week apart; the eighth bytes differ (0, 255, 9) so a rewrite that
// loses or mixes them shows.
const Bytes kA = recordBytes(22933.0, {1, 2, 3, 4, 5, 6, 7, 0});
const Bytes kB = recordBytes(22940.0, {45, 44, 43, 42, 41, 40, 39, 255});
const Bytes kC = recordBytes(22947.0, {10, 20, 30, 40, 11, 21, 31, 9});
const Bytes kNew = recordBytes(0.0, {8, 16, 24, 32, 33, 34, 35, 5});  // date set per case

Bytes withDate(const Bytes& bytes, double date) {
    DrawRecord r = DrawRecord::fromBytes(bytes.data());
    r.Datum = date;
    Bytes out(DrawRecord::kSize);
    r.toBytes(out.data());
    return out;
}

class DrawHistoryFileTest : public ::testing::Test {
  protected:
    test::TempDir dir;
    DrawHistoryFile file{dir.path()};

    void writeHistory(const Bytes& bytes) const { dir.writeFile(kZahlenFile, bytes); }
    Bytes history() const { return dir.readFile(kZahlenFile); }

    void expectNoTemporaryFiles() const {
        EXPECT_FALSE(fs::exists(file.insertTemporaryPath()));
        EXPECT_FALSE(fs::exists(file.removeTemporaryPath()));
        EXPECT_FALSE(fs::exists(file.backupPath() + "~"));
    }

    // A folder with something in it: neither open() nor rename() can replace it.
    static void blockWithFolder(const std::string& path) {
        fs::create_directory(path);
        std::ofstream(path + "/keep") << "x";
    }
};

TEST_F(DrawHistoryFileTest, PathsLieInTheProgramFolder) {
    EXPECT_EQ(file.path(), dir.path() + "varo.dat");
    EXPECT_EQ(file.insertTemporaryPath(), dir.path() + "varo.dat~");
    EXPECT_EQ(file.removeTemporaryPath(), dir.path() + "Zahlen.da~");
    EXPECT_EQ(file.backupPath(), dir.path() + "varo.dat.bak");
}

TEST_F(DrawHistoryFileTest, EmptyFileHoldsNoRecord) {
    writeHistory({});
    EXPECT_TRUE(file.exists());
    EXPECT_TRUE(file.scan().empty());
    EXPECT_EQ(file.lastRecord(), DrawRecord{});
    EXPECT_EQ(file.lastRecord().Datum, 0.0);
}

TEST_F(DrawHistoryFileTest, ScanReadsEveryRecordInFileOrder) {
    writeHistory(concat({kA, kB, kC}));
    const std::vector<DrawRecord> records = file.scan();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0], DrawRecord::fromBytes(kA.data()));
    EXPECT_EQ(records[1], DrawRecord::fromBytes(kB.data()));
    EXPECT_EQ(records[2], DrawRecord::fromBytes(kC.data()));
    EXPECT_EQ(file.lastRecord(), records[2]);
}

TEST_F(DrawHistoryFileTest, TrailingIncompleteRecordIsNeverRead) {
    // 33 bytes: two records and one stray byte.
    writeHistory(concat({kA, kB, Bytes{0xEE}}));
    const std::vector<DrawRecord> records = file.scan();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1], DrawRecord::fromBytes(kB.data()));
    EXPECT_EQ(file.lastRecord(), DrawRecord::fromBytes(kB.data()));

    // A 15-byte file holds no record at all.
    writeHistory(Bytes(kC.begin(), kC.end() - 1));
    EXPECT_TRUE(file.scan().empty());
    EXPECT_EQ(file.lastRecord(), DrawRecord{});
}

TEST_F(DrawHistoryFileTest, AppendWritesAfterTheLastWholeRecord) {
    writeHistory(concat({kA, kB, Bytes{0xEE}}));
    file.append(DrawRecord::fromBytes(kC.data()));
    EXPECT_EQ(history(), concat({kA, kB, kC}));  // lands at offset 32, over the stray byte

    writeHistory({});
    file.append(DrawRecord::fromBytes(kA.data()));
    file.append(DrawRecord::fromBytes(kB.data()));
    EXPECT_EQ(history(), concat({kA, kB}));
}

TEST_F(DrawHistoryFileTest, InsertOrReplaceKeepsOrderAndDropsTheSameDate) {
    struct Case {
        const char* name;
        Bytes before;
        double date;
        Bytes after;  // kNew with the case's date is spelled N below
    };
    const auto N = [](double date) { return withDate(kNew, date); };
    const Bytes abc = concat({kA, kB, kC});
    const Case cases[] = {
        {"equal date replaced in place", abc, 22940.0, concat({kA, N(22940.0), kC})},
        {"equal to the first", abc, 22933.0, concat({N(22933.0), kB, kC})},
        {"equal to the last", abc, 22947.0, concat({kA, kB, N(22947.0)})},
        {"between two dates", abc, 22937.0, concat({kA, N(22937.0), kB, kC})},
        {"before all", abc, 22926.0, concat({N(22926.0), kA, kB, kC})},
        {"later than all is not written", abc, 22954.0, abc},
        {"same day, other time is no match", abc, 22940.5, concat({kA, kB, N(22940.5), kC})},
        {"every record of the date goes", concat({kA, kB, withDate(kC, 22940.0)}), 22940.0,
         concat({kA, N(22940.0)})},
        {"empty history stays empty", {}, 22933.0, {}},
        {"stray byte is not carried over", concat({kA, kB, Bytes{0xEE}}), 22940.0,
         concat({kA, N(22940.0)})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeHistory(c.before);
        file.insertOrReplace(DrawRecord::fromBytes(N(c.date).data()));
        EXPECT_EQ(history(), c.after);
        expectNoTemporaryFiles();
    }
}

TEST_F(DrawHistoryFileTest, InsertOrReplaceOverwritesAStaleTemporaryFile) {
    writeHistory(concat({kA, kC}));
    dir.writeFile("varo.dat~", Bytes(100, 0xAB));  // left behind by a crash
    file.insertOrReplace(DrawRecord::fromBytes(kB.data()));
    EXPECT_EQ(history(), concat({kA, kB, kC}));
    expectNoTemporaryFiles();
}

TEST_F(DrawHistoryFileTest, RemoveDateDropsExactlyThatDateAndKeepsABackup) {
    struct Case {
        const char* name;
        Bytes before;
        double date;
        Bytes after;
    };
    const Bytes abc = concat({kA, kB, kC});
    const Case cases[] = {
        {"missing date rewrites unchanged", abc, 22941.0, abc},
        {"middle", abc, 22940.0, concat({kA, kC})},
        {"first", abc, 22933.0, concat({kB, kC})},
        {"same day, other time stays", abc, 22940.5, abc},
        {"every record of the date", concat({kA, kB, withDate(kC, 22940.0)}), 22940.0, kA},
        {"only record", kA, 22933.0, {}},
        {"stray byte is not carried over", concat({kA, kB, Bytes{0xEE}}), 22933.0, kB},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeHistory(c.before);
        file.removeDate(c.date);
        EXPECT_EQ(history(), c.after);
        EXPECT_EQ(dir.readFile("varo.dat.bak"), c.before);  // byte for byte, stray byte too
        expectNoTemporaryFiles();
    }
}

TEST_F(DrawHistoryFileTest, EighthByteSurvivesEveryRewrite) {
    writeHistory(concat({kA, kB, kC}));
    file.insertOrReplace(DrawRecord::fromBytes(withDate(kNew, 22936.0).data()));
    file.removeDate(22933.0);
    file.append(record(22954.0, {1, 1, 1, 1, 1, 1, 1, 0x80}));
    const std::vector<DrawRecord> records = file.scan();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].numberByte(8), 5);
    EXPECT_EQ(records[1].numberByte(8), 255);
    EXPECT_EQ(records[2].numberByte(8), 9);
    EXPECT_EQ(records[3].numberByte(8), 0x80);
}

TEST_F(DrawHistoryFileTest, MissingHistoryFailsWithFileNotFound) {
    const std::vector<std::pair<const char*, std::function<void()>>> operations = {
        {"scan", [&] { file.scan(); }},
        {"lastRecord", [&] { file.lastRecord(); }},
        {"append", [&] { file.append(DrawRecord::fromBytes(kA.data())); }},
        {"insertOrReplace", [&] { file.insertOrReplace(DrawRecord::fromBytes(kA.data())); }},
        {"removeDate", [&] { file.removeDate(22933.0); }},
    };
    EXPECT_FALSE(file.exists());
    for (const auto& [name, operation] : operations) {
        SCOPED_TRACE(name);
        try {
            operation();
            ADD_FAILURE() << "no FileError";
        } catch (const FileError& e) {
            EXPECT_EQ(e.code(), 2);
            EXPECT_STREQ(e.what(), "Datei nicht gefunden");
        }
        EXPECT_FALSE(file.exists());
        EXPECT_FALSE(fs::exists(file.backupPath()));
        expectNoTemporaryFiles();
    }
}

TEST_F(DrawHistoryFileTest, FolderInPlaceOfTheHistoryIsAnError) {
    fs::create_directory(file.path());
    EXPECT_THROW(file.scan(), FileError);
    EXPECT_THROW(file.lastRecord(), FileError);
    EXPECT_THROW(file.append(DrawRecord::fromBytes(kA.data())), FileError);
}

TEST_F(DrawHistoryFileTest, OversizedHistoryIsRefusedBeforeReading) {
    // Sparse, so the test costs no disk space.
    {
        const int fd = ::open(file.path().c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, DrawHistoryFile::kMaxFileBytes + DrawRecord::kSize), 0);
        ::close(fd);
    }
    for (const auto& operation :
         std::vector<std::function<void()>>{[&] { file.scan(); }, [&] { file.lastRecord(); }}) {
        try {
            operation();
            ADD_FAILURE() << "no FileError";
        } catch (const FileError& e) {
            EXPECT_STREQ(e.what(), "Die Ziehungsdatei ist zu groß");
        }
    }

    // Exactly at the limit is still a history.
    ASSERT_EQ(::truncate(file.path().c_str(), DrawHistoryFile::kMaxFileBytes), 0);
    EXPECT_EQ(file.lastRecord(), DrawRecord{});
}

TEST_F(DrawHistoryFileTest, FailedRewriteLeavesTheHistoryIntact) {
    struct Case {
        const char* name;
        std::string blocked;  // made a non-empty folder so the step fails
        std::function<void(DrawHistoryFile&)> operation;
    };
    const DrawRecord b = DrawRecord::fromBytes(kB.data());
    const Case cases[] = {
        {"insert: temporary file cannot be created", "varo.dat~",
         [&](DrawHistoryFile& f) { f.insertOrReplace(b); }},
        {"remove: temporary file cannot be created", "Zahlen.da~",
         [](DrawHistoryFile& f) { f.removeDate(22940.0); }},
        {"remove: backup temporary cannot be created", "varo.dat.bak~",
         [](DrawHistoryFile& f) { f.removeDate(22940.0); }},
        {"remove: backup cannot be renamed into place", "varo.dat.bak",
         [](DrawHistoryFile& f) { f.removeDate(22940.0); }},
    };
    const Bytes before = concat({kA, kB, kC, Bytes{0xEE}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir caseDir;
        DrawHistoryFile f(caseDir.path());
        caseDir.writeFile(kZahlenFile, before);
        blockWithFolder(caseDir.path() + c.blocked);

        EXPECT_THROW(c.operation(f), FileError);
        EXPECT_EQ(caseDir.readFile(kZahlenFile), before);
        EXPECT_TRUE(fs::is_directory(caseDir.path() + c.blocked));  // someone else's, left alone
        for (const char* temp : {"varo.dat~", "Zahlen.da~", "varo.dat.bak~"}) {
            if (c.blocked != temp) {
                EXPECT_FALSE(caseDir.exists(temp)) << temp;
            }
        }
    }
}

TEST_F(DrawHistoryFileTest, CreateMakesAnEmptyFileOnlyWhenMissing) {
    file.create();
    EXPECT_EQ(history(), Bytes{});

    writeHistory(concat({kA, Bytes{0xEE}}));
    file.create();
    EXPECT_EQ(history(), concat({kA, Bytes{0xEE}}));
}

TEST_F(DrawHistoryFileTest, RemoveKeepsTheHistoryAsTheBackup) {
    dir.writeFile("varo.dat.bak", kC);  // an older backup is replaced
    writeHistory(concat({kA, kB}));
    file.remove();
    EXPECT_FALSE(file.exists());
    EXPECT_EQ(dir.readFile("varo.dat.bak"), concat({kA, kB}));

    file.remove();  // nothing left to remove
    EXPECT_EQ(dir.readFile("varo.dat.bak"), concat({kA, kB}));
}

TEST_F(DrawHistoryFileTest, RemoveFailsWhenTheBackupCannotBeReplaced) {
    writeHistory(kA);
    blockWithFolder(file.backupPath());
    EXPECT_THROW(file.remove(), FileError);
    EXPECT_EQ(history(), kA);
}

}  // namespace
}  // namespace varo
