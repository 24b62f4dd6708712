#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The subcommands of clvt. Each takes the arguments after its name, prints its result to out
// and the program's messages to err, and returns the exit status.
namespace clvt::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitRejected = 1;     // input rejected with the program's own message
inline constexpr int kExitUsage = 2;        // usage error
inline constexpr int kExitWriteFailed = 3;  // standard output could not be written

int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunSequence(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunEquinox(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The whole tool: args are argv[1..]. Handles --help, --version and dispatch.
int RunClvt(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace clvt::cli
