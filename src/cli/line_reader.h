#pragma once

#include <cstddef>
#include <cstdint>
#include <streambuf>
#include <string>

namespace clvt::cli {

// Reads a stream line by line, as clvt convert reads its DATEs from standard input. A line
// ends at LF; a CR before it is dropped, so that CR LF files read the same; the last line
// needs no end. Memory stays bounded whatever the input: of a line longer than maxBytes only
// the first maxBytes bytes are kept, and the line is marked as cut.
class LineReader {
 public:
  LineReader(std::streambuf& in, std::size_t maxBytes) : in_(in), maxBytes_(maxBytes) {}

  // The next line, without its end, into line; false at the end of the input.
  bool Next(std::string& line);
  // The last line was longer than maxBytes.
  bool Cut() const { return cut_; }
  // The last line's number, from 1.
  int64_t Number() const { return number_; }

 private:
  std::streambuf& in_;
  std::size_t maxBytes_;
  bool cut_ = false;
  int64_t number_ = 0;
};

}  // namespace clvt::cli
