#include <algorithm>

#include "arguments.h"

namespace velquin::app {

std::vector<std::filesystem::path> commandLineArguments(int argc, char** argv) {
  return {argv + std::min(argc, 1), argv + argc};
}

}  // namespace velquin::app
