#include <ostream>

#include "cli/commands.h"

namespace clvt::cli {

int RunSequence(const std::vector<std::string>& /*args*/, std::ostream& /*out*/, std::ostream& err) {
  err << "clvt: this command is not available yet\n";
  return kExitUsage;
}

}  // namespace clvt::cli
