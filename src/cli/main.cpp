// clvt: the command-line face of the calendar core. Everything it prints comes from the same
// pure functions the windows call.
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/commands.h"

namespace {

// True when everything written to standard output has reached it. Output to a file or a
// pipe is buffered, so a full disk or a closed stream may show only when the buffer is
// flushed here. On failure errno still holds the reason of the write that failed last.
bool StandardOutputWritten() {
  std::cout.flush();
  const bool flushed = std::fflush(stdout) == 0;
  return flushed && std::cout.good() && std::ferror(stdout) == 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Digit grouping follows the user's LC_NUMERIC; everything else stays in the C locale.
  std::setlocale(LC_NUMERIC, "");
#ifdef _WIN32
  // DATEs read from standard input come as they are: a text-mode stream would end them at a
  // Ctrl-Z byte. Line ends, CR LF or LF, are the line reader's business.
  _setmode(_fileno(stdin), _O_BINARY);
#endif
  int status = clvt::cli::kExitUsage;
  try {
    std::vector<std::string> args(argv + 1, argv + argc);
    status = clvt::cli::RunClvt(args, std::cin, std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << "clvt: " << e.what() << "\n";
  }
  // A run whose DATEs could not all be read (standard input a folder, a read error) must not
  // pass for one that converted them all.
  if (std::ferror(stdin) != 0) {
    std::cerr << "clvt: cannot read standard input\n";
    if (status == clvt::cli::kExitDone) status = clvt::cli::kExitRejected;
  }
  // A listing cut short by a full disk must not pass for a complete one.
  if (!StandardOutputWritten()) {
    const int error = errno;
    std::cerr << "clvt: cannot write standard output"
              << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << "\n";
    return clvt::cli::kExitWriteFailed;
  }
  return status;
}
