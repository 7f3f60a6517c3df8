#include "history/DrawHistoryFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>
#include <utility>

#include "common/FileError.h"

namespace varo {

namespace {

constexpr std::size_t kRecordSize = DrawRecord::kSize;

// On little-endian hosts with IEEE doubles the record in memory is byte for byte the
// record on disk, so records are read straight into place instead of decoded one by one.
constexpr bool kStoredLayout =
    std::is_trivially_copyable_v<DrawRecord> && std::endian::native == std::endian::little &&
    std::numeric_limits<double>::is_iec559 && sizeof(DrawRecord) == kRecordSize &&
    offsetof(DrawRecord, Zahlen) == 8 && offsetof(DrawRecord, Zusatzzahl) == 14 &&
    offsetof(DrawRecord, Superzahl) == 15;

[[noreturn]] void throwErrno() {
    throw FileError::fromErrno(errno);
}

// An open file descriptor. Writers close explicitly because close can report a deferred
// write error; on the error paths the destructor closes quietly.
class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;

    int get() const { return fd_; }

    void close() {
        const int fd = std::exchange(fd_, -1);
        if (::close(fd) != 0) throwErrno();
    }

  private:
    int fd_;
};

Fd openFile(const std::string& path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) throwErrno();
    return Fd(fd);
}

// The size of an open history, refused before any reading when no real history is that big.
std::size_t checkedSize(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) throwErrno();
    if (S_ISDIR(st.st_mode)) throw FileError::fromErrno(EISDIR);
    if (st.st_size < 0 || static_cast<std::uint64_t>(st.st_size) > DrawHistoryFile::kMaxFileBytes)
        throw FileError(EFBIG, "Die Ziehungsdatei ist zu groß");
    return static_cast<std::size_t>(st.st_size);
}

// Reads up to n bytes; fewer only when the file ends early (it shrank after fstat).
std::size_t readUpTo(int fd, unsigned char* buffer, std::size_t n) {
    std::size_t done = 0;
    while (done < n) {
        const ssize_t got = ::read(fd, buffer + done, n - done);
        if (got < 0) {
            if (errno == EINTR) continue;
            throwErrno();
        }
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

void writeAll(int fd, const unsigned char* data, std::size_t n) {
    std::size_t done = 0;
    while (done < n) {
        const ssize_t put = ::write(fd, data + done, n - done);
        if (put < 0) {
            if (errno == EINTR) continue;
            throwErrno();
        }
        // A regular file never accepts nothing; stop rather than spin.
        if (put == 0) throw FileError::fromErrno(EIO);
        done += static_cast<std::size_t>(put);
    }
}

// The whole file, or only its whole records, in one buffered read.
std::vector<unsigned char> readBytes(const std::string& path, bool wholeRecordsOnly) {
    Fd fd = openFile(path, O_RDONLY);
    std::size_t size = checkedSize(fd.get());
    if (wholeRecordsOnly) size -= size % kRecordSize;
    std::vector<unsigned char> bytes(size);
    bytes.resize(readUpTo(fd.get(), bytes.data(), size));
    fd.close();
    return bytes;
}

std::vector<DrawRecord> decode(const std::vector<unsigned char>& bytes) {
    const std::size_t count = bytes.size() / kRecordSize;
    std::vector<DrawRecord> records(count);
    if constexpr (kStoredLayout) {
        std::memcpy(records.data(), bytes.data(), count * kRecordSize);
    } else {
        for (std::size_t i = 0; i < count; ++i)
            records[i] = DrawRecord::fromBytes(bytes.data() + i * kRecordSize);
    }
    return records;
}

std::vector<unsigned char> encode(const std::vector<DrawRecord>& records) {
    std::vector<unsigned char> bytes(records.size() * kRecordSize);
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i].toBytes(bytes.data() + i * kRecordSize);
    return bytes;
}

// Makes a rename or a new file in the folder durable.
void syncFolder(const std::string& folder) {
    Fd fd = openFile(folder.empty() ? "." : folder, O_RDONLY | O_DIRECTORY);
    // Some file systems cannot sync a folder and say so with EINVAL; nothing more to do there.
    if (::fsync(fd.get()) != 0 && errno != EINVAL) throwErrno();
    fd.close();
}

// Replaces target by the bytes so that target is at every moment either the old or the
// new file, also across a crash: the bytes go to temp in the same folder, are flushed,
// and one rename puts them in place. On failure temp is removed and target is untouched.
void replaceAtomically(const std::string& folder, const std::string& target,
                       const std::string& temp, const std::vector<unsigned char>& bytes) {
    {
        Fd fd = openFile(temp, O_WRONLY | O_CREAT | O_TRUNC, 0666);
        try {
            writeAll(fd.get(), bytes.data(), bytes.size());
            if (::fsync(fd.get()) != 0) throwErrno();
            fd.close();
            if (::rename(temp.c_str(), target.c_str()) != 0) throwErrno();
        } catch (...) {
            ::unlink(temp.c_str());
            throw;
        }
    }
    syncFolder(folder);
}

}  // namespace

DrawHistoryFile::DrawHistoryFile(std::string home)
    : home_(std::move(home)), path_(home_ + kZahlenFile) {}

std::string DrawHistoryFile::insertTemporaryPath() const {
    return path_ + "~";
}

std::string DrawHistoryFile::removeTemporaryPath() const {
    return home_ + "Zahlen.da~";
}

std::string DrawHistoryFile::backupPath() const {
    return path_ + ".bak";
}

bool DrawHistoryFile::exists() const {
    struct stat st {};
    return ::stat(path_.c_str(), &st) == 0;
}

std::vector<DrawRecord> DrawHistoryFile::scan() const {
    if constexpr (!kStoredLayout) return decode(readBytes(path_, true));

    Fd fd = openFile(path_, O_RDONLY);
    std::vector<DrawRecord> records(checkedSize(fd.get()) / kRecordSize);
    const std::size_t got = readUpTo(fd.get(), reinterpret_cast<unsigned char*>(records.data()),
                                     records.size() * kRecordSize);
    records.resize(got / kRecordSize);
    fd.close();
    return records;
}

// Only the last whole record is read; the result is the same as scanning to the end.
DrawRecord DrawHistoryFile::lastRecord() const {
    Fd fd = openFile(path_, O_RDONLY);
    const std::size_t size = checkedSize(fd.get());
    DrawRecord last;
    if (size >= kRecordSize) {
        const auto offset = static_cast<off_t>((size / kRecordSize - 1) * kRecordSize);
        if (::lseek(fd.get(), offset, SEEK_SET) < 0) throwErrno();
        unsigned char bytes[kRecordSize];
        if (readUpTo(fd.get(), bytes, kRecordSize) == kRecordSize)
            last = DrawRecord::fromBytes(bytes);
    }
    fd.close();
    return last;
}

// The record goes right after the last whole record, so a trailing incomplete record is
// overwritten rather than shifting every later record out of step.
void DrawHistoryFile::append(const DrawRecord& record) {
    Fd fd = openFile(path_, O_RDWR);
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) throwErrno();
    const auto offset = static_cast<off_t>(st.st_size / static_cast<off_t>(kRecordSize) *
                                           static_cast<off_t>(kRecordSize));
    if (::lseek(fd.get(), offset, SEEK_SET) < 0) throwErrno();
    unsigned char bytes[kRecordSize];
    record.toBytes(bytes);
    writeAll(fd.get(), bytes, kRecordSize);
    if (::fsync(fd.get()) != 0) throwErrno();
    fd.close();
}

void DrawHistoryFile::insertOrReplace(const DrawRecord& record) {
    const std::vector<DrawRecord> old = scan();
    std::vector<DrawRecord> result;
    result.reserve(old.size() + 1);
    bool written = false;
    for (const DrawRecord& r : old) {
        if (!written && r.Datum >= record.Datum) {
            result.push_back(record);
            written = true;
        }
        if (r.Datum != record.Datum) result.push_back(r);
    }
    replaceAtomically(home_, path_, insertTemporaryPath(), encode(result));
}

void DrawHistoryFile::removeDate(double date) {
    const std::vector<unsigned char> previous = readBytes(path_, false);
    std::vector<DrawRecord> result;
    for (const DrawRecord& r : decode(previous))
        if (r.Datum != date) result.push_back(r);

    replaceAtomically(home_, backupPath(), backupPath() + "~", previous);
    replaceAtomically(home_, path_, removeTemporaryPath(), encode(result));
}

void DrawHistoryFile::create() {
    Fd fd = openFile(path_, O_RDWR | O_CREAT, 0666);
    fd.close();
}

// The history survives as the backup, replacing an older one.
void DrawHistoryFile::remove() {
    if (::rename(path_.c_str(), backupPath().c_str()) != 0) {
        if (errno == ENOENT) return;
        throwErrno();
    }
    syncFolder(home_);
}

}  // namespace varo
