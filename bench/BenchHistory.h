#pragma once

#include <string>

namespace varo::bench {

// A folder holding a history ("varo.dat") of this many weekly Sunday draws from 14.10.1962
// on, with numbers from a fixed generator so every run measures the same file. Written
// once per size and process; the folders are removed when the process ends. The result
// ends with '/', like the program's Home.
std::string writeBenchHistory(int records);

}  // namespace varo::bench
