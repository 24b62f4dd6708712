// clvt: the command-line face of the calendar core. Everything it prints comes from the same
// pure functions the windows call.
#include <clocale>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"

int main(int argc, char* argv[]) {
  // Digit grouping follows the user's LC_NUMERIC; everything else stays in the C locale.
  std::setlocale(LC_NUMERIC, "");
  try {
    std::vector<std::string> args(argv + 1, argv + argc);
    return clvt::cli::RunClvt(args, std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << "clvt: " << e.what() << "\n";
    return clvt::cli::kExitUsage;
  }
}
