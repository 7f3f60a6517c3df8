#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "history/DrawRecord.h"

namespace varo {

// The file name of the history inside the program's folder.
inline constexpr const char* kZahlenFile = "varo.dat";

// The draw history: a flat file of 16-byte records in ascending date order, no header.
// Every operation opens the file, works and closes it again. Failures throw FileError.
//
// Rewrites (insertOrReplace, removeDate) go to a temporary file in the same folder that is
// flushed to disk and then replaces the history with one rename, so a failure at any point
// leaves the previous history in place. Before a draw is deleted or the history is thrown
// away, the previous file is kept as "<history>.bak".
class DrawHistoryFile {
  public:
    // Larger files are refused before anything is read: 64 MiB hold four million draws,
    // far beyond any real history.
    static constexpr std::size_t kMaxFileBytes = std::size_t{64} * 1024 * 1024;

    // home: the program's folder with a trailing '/'; the file is home + kZahlenFile.
    explicit DrawHistoryFile(std::string home);

    const std::string& path() const { return path_; }
    std::string insertTemporaryPath() const;  // path + "~"
    std::string removeTemporaryPath() const;  // home + "Zahlen.da~"
    std::string backupPath() const;           // path + ".bak"

    bool exists() const;

    // Every whole record in file order, read with one buffered read; a trailing incomplete
    // record is never read.
    std::vector<DrawRecord> scan() const;

    // The last whole record; an all-zero record (date 0) for an empty file.
    DrawRecord lastRecord() const;

    // Writes one record after the last whole record.
    void append(const DrawRecord& record);

    // Inserts the record before the first record whose date is equal to or later than its
    // date, dropping every record with exactly its date. When no record is that late the
    // record is not written at all.
    void insertOrReplace(const DrawRecord& record);

    // Rewrites the file without the records of exactly this date.
    void removeDate(double date);

    // Creates an empty history when none exists.
    void create();

    // Removes the history (kept as the backup) when it exists.
    void remove();

  private:
    std::string home_;
    std::string path_;
};

}  // namespace varo
