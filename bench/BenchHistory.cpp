#include "BenchHistory.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <vector>

#include "history/DrawHistoryFile.h"
#include "history/DrawRecord.h"

namespace varo::bench {

namespace {

// Removes the benchmark folders when the process ends.
class Folders {
  public:
    ~Folders() {
        std::error_code ignored;
        for (const auto& [records, folder] : bySize_)
            std::filesystem::remove_all(folder, ignored);
    }
    std::map<int, std::string>& bySize() { return bySize_; }

  private:
    std::map<int, std::string> bySize_;
};

Folders& folders() {
    static Folders instance;
    return instance;
}

// xorshift32: cheap, fixed sequence.
std::uint32_t nextRandom(std::uint32_t& state) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

DrawRecord benchDraw(int week, std::uint32_t& state) {
    DrawRecord r;
    r.Datum = 22933.0 + 7.0 * week;  // Sundays from 14.10.1962
    bool used[46] = {};
    auto draw = [&] {
        std::uint8_t n;
        do {
            n = static_cast<std::uint8_t>(1 + nextRandom(state) % 45);
        } while (used[n]);
        used[n] = true;
        return n;
    };
    for (auto& n : r.Zahlen)
        n = draw();
    r.Zusatzzahl = draw();
    r.Superzahl = static_cast<std::uint8_t>(1 + week % 10);
    return r;
}

}  // namespace

std::string writeBenchHistory(int records) {
    auto& bySize = folders().bySize();
    if (auto it = bySize.find(records); it != bySize.end()) return it->second;

    std::string pattern = (std::filesystem::temp_directory_path() / "varo-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    const std::string folder = pattern + "/";

    std::vector<unsigned char> bytes(static_cast<std::size_t>(records) * DrawRecord::kSize);
    std::uint32_t state = 0x5EED1962u;
    for (int week = 0; week < records; ++week)
        benchDraw(week, state)
            .toBytes(bytes.data() + static_cast<std::size_t>(week) * DrawRecord::kSize);

    std::ofstream out(folder + kZahlenFile, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write the benchmark history");

    bySize.emplace(records, folder);
    return folder;
}

}  // namespace varo::bench
