#pragma once

#include <string>
#include <vector>

namespace varo::test {

// A fresh folder under the system's temporary folder, removed with everything in it when
// the object goes. path() ends with '/', like the program's Home.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }

    void writeFile(const std::string& name, const std::vector<unsigned char>& bytes) const;
    std::vector<unsigned char> readFile(const std::string& name) const;
    bool exists(const std::string& name) const;

  private:
    std::string path_;
};

}  // namespace varo::test
