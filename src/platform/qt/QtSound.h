#pragma once

#include <memory>

#include "platform/Sound.h"

class QSoundEffect;

namespace varo {

// Plays WAV files through one long-lived sound effect. Without an audio output nothing is
// played, so a machine without a sound device stays silent instead of waiting.
class QtSound : public Sound {
  public:
    QtSound();
    ~QtSound() override;
    void playAsync(const std::string& path) override;

  private:
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace varo
