#pragma once

#include <string>

namespace varo {

// Plays a WAV file in the background; a sound started earlier is replaced. A missing file
// or sound device is silent.
class Sound {
  public:
    virtual ~Sound() = default;
    virtual void playAsync(const std::string& path) = 0;
};

}  // namespace varo
