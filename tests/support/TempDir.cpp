#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace varo::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "varo-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern + "/";
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void TempDir::writeFile(const std::string& name, const std::vector<unsigned char>& bytes) const {
    std::ofstream out(path_ + name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + name);
}

std::vector<unsigned char> TempDir::readFile(const std::string& name) const {
    std::ifstream in(path_ + name, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + name);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool TempDir::exists(const std::string& name) const {
    return std::filesystem::exists(path_ + name);
}

}  // namespace varo::test
