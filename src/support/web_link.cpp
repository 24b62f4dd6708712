// Web page launching and the explanation of a failed launch.
#include "support/web_link.h"

#include <charconv>

#include "support/program_text.h"

namespace clvt {
namespace {

// The shell's results above this value mean success.
constexpr int kLastShellErrorCode = 32;
// Program text 15: the online user manual's address without its scheme.
constexpr int16_t kManualAddressText = 15;

std::string LowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

}  // namespace

std::string OnlineUserManualAddress() { return "http://" + GetText(kManualAddressText); }

std::string MakerWebHost() {
  const std::string manual = GetText(kManualAddressText);
  return manual.substr(0, manual.find('/'));
}

std::string MakerWebSite() {
  const std::string host = MakerWebHost();
  return host.empty() ? std::string() : "http://" + host + "/";
}

std::string GetFileExtension(std::string_view path, bool lowerCase) {
  const auto backslash = path.rfind('\\');
  const std::string_view name =
      backslash == std::string_view::npos ? path : path.substr(backslash + 1);
  const auto period = name.rfind('.');
  if (period == std::string_view::npos) return "";
  const std::string_view ext = name.substr(period + 1);
  return lowerCase ? LowerCase(ext) : std::string(ext);
}

Message WebLinkFailureMessage(int r, std::string_view ext) {
  char number[16];
  const auto end = std::to_chars(number, number + sizeof number, r).ptr;
  std::string text = "Error launching web browser, error code = ";
  text.append(number, end);
  text += ".";
  if (r == kShellNoAssociation) {
    text += "\r\n\r\nFile extension '";
    text += ext;
    text += "' is not associated with any application program.";
  } else if (r == kShellOutOfMemory) {
    text += "\r\n\r\nOut of memory.";
  } else if (r == kShellFileNotFound) {
    text += "\r\n\r\nPlease try once more.";
  }
  return {text, "Cannot launch web browser", Icon::Exclamation, Buttons::Ok};
}

void OpenWebLink(const std::string& strTarget, Shell& shell, MessageBoxes& messages) {
  const std::string ext = GetFileExtension(strTarget, true);
  shell.Open(strTarget, [ext, &messages](int r) {
    if (r <= kLastShellErrorCode) messages.Show(WebLinkFailureMessage(r, ext));
  });
}

}  // namespace clvt
