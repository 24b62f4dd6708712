// The program text stand-in: a strict line parser over a size-capped read, and one
// process-wide table that a load replaces only as a whole.
#include "platform/brevik/brevik.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "base/ascii_text.h"
#include "platform/file_read.h"

namespace {

using TextTable = std::unordered_map<int32_t, std::string>;

TextTable& LoadedTexts() {
  static TextTable texts;
  return texts;
}

// Reads the whole file into content when it is a regular file within the size limit; a FIFO
// or a device in its place is not opened for reading at all, so it can neither hang nor flood
// the program. Returns 1 or an lt error code.
int32_t ReadWholeFile(const char* path, std::string& content) {
  clvt::FileRead read =
      clvt::ReadFileBytes(path, static_cast<std::size_t>(clvt::kBrevikMaxFileBytes));
  switch (read.status) {
    case clvt::FileReadStatus::CannotOpen: return clvt::kBrevikCannotOpen;
    case clvt::FileReadStatus::Failed:
      return read.errorNumber == ENOMEM ? clvt::kBrevikGeneralAllocation : clvt::kBrevikReadError;
    case clvt::FileReadStatus::Ok:
    case clvt::FileReadStatus::Empty: break;
  }
  if (read.truncated) return clvt::kBrevikTooMuchText;
  content = std::move(read.bytes);
  return 1;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The next line of content, without its end: LF, CR LF or a lone CR (files from editors that
// end lines with CR alone), and removes it and its end from content.
std::string_view NextLine(std::string_view& content) {
  const std::size_t end = content.find_first_of("\r\n");
  const std::string_view line = content.substr(0, end);
  std::size_t next = content.size();
  if (end != std::string_view::npos) {
    next = end + 1;
    if (content[end] == '\r' && next < content.size() && content[next] == '\n') ++next;
  }
  content.remove_prefix(next);
  return line;
}

std::size_t SkipBlanks(std::string_view line, std::size_t pos) {
  while (pos < line.size() && IsBlank(line[pos])) ++pos;
  return pos;
}

// The code for a fault that names its line; lines past the coded range would read as
// another kind of fault, so they fall back to the code without a line.
int32_t LineCode(int32_t base, int32_t line) {
  if (line > clvt::kBrevikMaxCodedLine) return clvt::kBrevikNotRecovered;
  return base - line;
}

// Parses one line that is neither blank nor a comment. Returns 1 and fills number and text,
// or an lt error code.
int32_t ParseTextLine(std::string_view line, int32_t lineNumber, int32_t& number,
                      std::string_view& text) {
  std::size_t pos = SkipBlanks(line, 0);
  const char* first = line.data() + pos;
  const char* last = line.data() + line.size();
  int32_t value = 0;
  const auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || value < std::numeric_limits<int16_t>::min() ||
      value > std::numeric_limits<int16_t>::max()) {
    return clvt::kBrevikNotRecovered;
  }
  pos = static_cast<std::size_t>(end - line.data());
  if (pos < line.size() && !IsBlank(line[pos])) return clvt::kBrevikNotRecovered;
  pos = SkipBlanks(line, pos);
  if (pos == line.size()) return LineCode(clvt::kBrevikMissingBase, lineNumber);
  text = line.substr(pos);
  // Texts become captions, file names and the settings path: a control character (a zero
  // byte would even cut the callers' zero-terminated buffer short) has no place in any of them.
  if (std::any_of(text.begin(), text.end(), clvt::IsAsciiControl)) return clvt::kBrevikNotRecovered;
  if (text.size() > static_cast<std::size_t>(clvt::kBrevikMaxTextLength)) {
    return LineCode(clvt::kBrevikTooLongBase, lineNumber);
  }
  number = value;
  return 1;
}

// Parses the whole file into texts. Returns the number of texts or an lt error code.
int32_t ParseTexts(std::string_view content, TextTable& texts) {
  if (content.empty()) return clvt::kBrevikFileEmpty;
  content = clvt::WithoutByteOrderMark(content);
  int32_t lineNumber = 0;  // at most about kBrevikMaxFileBytes, far inside int32_t
  while (!content.empty()) {
    ++lineNumber;
    const std::string_view line = NextLine(content);

    const std::size_t start = SkipBlanks(line, 0);
    if (start == line.size() || line[start] == '#') continue;

    int32_t number = 0;
    std::string_view text;
    const int32_t result = ParseTextLine(line, lineNumber, number, text);
    if (result != 1) return result;
    if (texts.contains(number)) return clvt::kBrevikDuplicateBase - lineNumber;
    if (static_cast<int32_t>(texts.size()) >= clvt::kBrevikMaxTexts) {
      return clvt::kBrevikTooMuchText;
    }
    texts.emplace(number, std::string(text));
  }
  return static_cast<int32_t>(texts.size());
}

int32_t Load(const char* path) {
  std::string content;
  try {
    const int32_t read = ReadWholeFile(path, content);
    if (read != 1) return read;
  } catch (...) {
    return clvt::kBrevikGeneralAllocation;
  }
  TextTable texts;
  int32_t result = 0;
  try {
    result = ParseTexts(content, texts);
  } catch (...) {
    return clvt::kBrevikTextAllocation;
  }
  if (result >= 1) LoadedTexts().swap(texts);
  return result;
}

}  // namespace

extern "C" {

int32_t lt(const char* path, int32_t /*reserved*/) {
  LoadedTexts().clear();
  if (path == nullptr) return clvt::kBrevikCannotOpen;
  return Load(path);
}

int32_t gt(int32_t number, int32_t language, char* buffer, int32_t size, int32_t /*reserved*/) {
  if (buffer == nullptr || size < 1) return 0;
  buffer[0] = '\0';
  if (language != 0) return 0;
  const TextTable& texts = LoadedTexts();
  const auto found = texts.find(number);
  if (found == texts.end()) return 0;
  const std::size_t length = std::min(found->second.size(), static_cast<std::size_t>(size) - 1);
  std::memcpy(buffer, found->second.data(), length);
  buffer[length] = '\0';
  return static_cast<int32_t>(length);
}
}
