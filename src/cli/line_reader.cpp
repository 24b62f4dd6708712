#include "cli/line_reader.h"

namespace clvt::cli {

bool LineReader::Next(std::string& line) {
  using Traits = std::streambuf::traits_type;
  line.clear();
  cut_ = false;
  Traits::int_type c = in_.sbumpc();
  if (Traits::eq_int_type(c, Traits::eof())) return false;
  ++number_;
  // One byte beyond maxBytes is kept, so that a CR ending a line of maxBytes is no cut.
  for (; !Traits::eq_int_type(c, Traits::eof()) && c != '\n'; c = in_.sbumpc()) {
    if (line.size() <= maxBytes_) {
      line += Traits::to_char_type(c);
    } else {
      cut_ = true;
    }
  }
  if (!cut_ && !line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() > maxBytes_) {
    line.resize(maxBytes_);
    cut_ = true;
  }
  return true;
}

}  // namespace clvt::cli
