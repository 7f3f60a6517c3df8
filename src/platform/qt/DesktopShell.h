#pragma once

#include "platform/Shell.h"

namespace varo {

// Opens addresses and files with the desktop's default programs.
class DesktopShell : public Shell {
  public:
    void open(const std::string& target) override;
};

}  // namespace varo
