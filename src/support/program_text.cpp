// Loading and looking up the numbered program texts through the text library.
#include "support/program_text.h"

#include <string_view>

#include "base/ascii_text.h"
#include "platform/brevik/brevik.h"
#include "platform/executable_folder.h"

namespace clvt {
namespace {

constexpr int32_t kLanguageIndex = 0;
constexpr int32_t kTextBufferSize = 1024;
constexpr std::string_view kEmptyTextMarker = "~";

std::string FixedMessage(int32_t n) {
  switch (n) {
    case kBrevikNothingRead: return "No program text was read.";
    case kBrevikTextAllocation: return "Particular memory allocation error.";
    case kBrevikTooMuchText: return "Too much program text.";
    case kBrevikNotRecovered: return "Text not recovered.";
    case kBrevikFileEmpty: return "File is empty.";
    case kBrevikReadError: return "Error reading file.";
    case kBrevikGeneralAllocation: return "General memory allocation error.";
    default: return {};
  }
}

// The messages of the codes without a fixed text: "Error n" and the three line faults.
std::string CodedMessage(int32_t n) {
  const int64_t code = n;  // 64 bits: base - code must not overflow for the most negative n
  if (code >= -500) return "Error " + DecimalText(code);
  if (code >= -1000) {
    return "Missing string at line " + DecimalText(kBrevikMissingBase - code) + ".";
  }
  if (code >= -1500) {
    return "String too long at line " + DecimalText(kBrevikTooLongBase - code) + ".";
  }
  return "Duplicate in program text at line " + DecimalText(kBrevikDuplicateBase - code) + ".";
}

}  // namespace

std::optional<Message> LoadProgramText(const std::string& strFilename) {
  // A file that cannot be opened in one place is looked for in the next; when none can be, the
  // message names them all, so that whoever reinstalls knows where the program looks.
  std::string placesTried;
  for (const std::string& path : DataFilePlaces(strFilename)) {
    const int32_t n = lt(path.c_str(), 0);
    if (n != kBrevikCannotOpen) return LoadFailureMessage(n, path);
    placesTried += (placesTried.empty() ? "" : "\r\n") + path;
  }
  return LoadFailureMessage(kBrevikCannotOpen, placesTried);
}

std::optional<Message> LoadFailureMessage(int32_t n, const std::string& path) {
  if (n >= 1) return std::nullopt;
  std::string text = FixedMessage(n);
  if (n == kBrevikCannotOpen) {
    text = "Cannot open file containing program text.\r\n" + path;
  } else if (text.empty()) {
    text = CodedMessage(n);
  }
  return Message{text, "", Icon::Critical, Buttons::Ok};
}

std::string GetText(int16_t intNumber) {
  char buffer[kTextBufferSize];
  const int32_t n = gt(intNumber, kLanguageIndex, buffer, kTextBufferSize, 1);
  if (n < 1) return {};
  std::string text(buffer, static_cast<std::size_t>(n));
  if (text == kEmptyTextMarker) return {};
  return text;
}

}  // namespace clvt
