#pragma once

#include <stdexcept>
#include <string>

namespace varo {

// The program's file error: a failed file operation, carrying the German message the
// user sees in the error box.
class FileError : public std::runtime_error {
  public:
    FileError(int code, const std::string& message) : std::runtime_error(message), code_(code) {}

    // From an errno value: the message a German user expects for the common causes,
    // "E/A-Fehler <code>" for the rest.
    static FileError fromErrno(int errnoValue);

    int code() const { return code_; }

  private:
    int code_;
};

}  // namespace varo
