#pragma once

#include <string>

namespace varo {

// The desktop shell: opens a web address or a file with the user's chosen program.
class Shell {
  public:
    virtual ~Shell() = default;
    // The result is not examined by the program; opening is best effort.
    virtual void open(const std::string& target) = 0;
};

}  // namespace varo
