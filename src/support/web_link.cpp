// Web page launching and the explanation of a failed launch.
#include "support/web_link.h"

#include "base/ascii_text.h"
#include "support/program_text.h"

namespace clvt {
namespace {

// The shell's results above this value mean success.
constexpr int kLastShellErrorCode = 32;
// Program text 15: the online user manual's address without its scheme.
constexpr int16_t kManualAddressText = 15;

// The line under each explained failure that tells the user what to do about it.
#ifdef _WIN32
constexpr std::string_view kNoOpenerAdvice =
    "No program to open web pages is set up: install a web browser, or choose one under "
    "Default apps in the Windows settings.";
#else
constexpr std::string_view kNoOpenerAdvice =
    "No program to open web pages is set up: install a web browser and xdg-utils, or choose "
    "your browser with xdg-settings set default-web-browser.";
#endif
constexpr std::string_view kOutOfMemoryAdvice = "Close other programs and try again.";
constexpr std::string_view kTryAgainAdvice =
    "If it fails again, open the address in your web browser yourself.";

}  // namespace

std::string ManualAddressWithoutScheme() { return GetText(kManualAddressText); }

std::string OnlineUserManualAddress() { return "http://" + ManualAddressWithoutScheme(); }

std::string MakerWebHost() {
  const std::string manual = ManualAddressWithoutScheme();
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
  std::string text = "Error launching web browser, error code = " + DecimalText(r) + ".";
  std::string_view advice;
  if (r == kShellNoAssociation) {
    text += "\r\n\r\nFile extension '";
    text += ext;
    text += "' is not associated with any application program.";
    advice = kNoOpenerAdvice;
  } else if (r == kShellOutOfMemory) {
    text += "\r\n\r\nOut of memory.";
    advice = kOutOfMemoryAdvice;
  } else if (r == kShellFileNotFound) {
    text += "\r\n\r\nPlease try once more.";
    advice = kTryAgainAdvice;
  }
  if (!advice.empty()) (text += "\r\n") += advice;
  return {text, "Cannot launch web browser", Icon::Exclamation, Buttons::Ok};
}

void OpenWebLink(const std::string& strTarget, Shell& shell, MessageBoxes& messages) {
  const std::string ext = GetFileExtension(strTarget, true);
  shell.Open(strTarget, [ext, &messages](int r) {
    if (r <= kLastShellErrorCode) messages.Show(WebLinkFailureMessage(r, ext));
  });
}

}  // namespace clvt
