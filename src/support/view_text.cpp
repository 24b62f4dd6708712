// The text viewer's limit, notes, failure messages and layout.
#include "support/view_text.h"

#include <algorithm>
#include <cerrno>
#include <new>

#include "base/ascii_text.h"

namespace clvt {
namespace {

// Design margins of the window in twips: the text box at (105, 105), its width the outer width
// less 450 and its height the outer height less 1200, which leaves room for the buttons below.
constexpr int32_t kTextLeft = 105;
constexpr int32_t kTextTop = 105;
constexpr int32_t kWidthAllowance = 450;
constexpr int32_t kHeightAllowance = 1200;
constexpr int32_t kButtonGap = 100;

std::u32string Widen(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

ViewerText ReadAndLimit(const std::string& path, std::string_view emptyTitle,
                        std::string_view emptyText) {
  FileRead read = ReadFileBytes(path, kMaxFileReadBytes);
  std::u32string characters;
  if (read.status == FileReadStatus::Ok) {
    characters = DecodeText(read.bytes, read.truncated);
    if (characters.empty()) read.status = FileReadStatus::Empty;
  }
  if (read.status != FileReadStatus::Ok) {
    return {{}, ReadFailureMessage(read, emptyTitle, emptyText)};
  }
  return {TextForTextBox(characters), std::nullopt};
}

}  // namespace

std::u32string TextForTextBox(std::u32string_view fileText) {
  if (fileText.size() < kTextBoxCharacterLimit) return std::u32string(fileText);
  const std::size_t kept = kTextBoxCharacterLimit - kTooLargeNote.size() - kNotEntireNote.size();
  std::u32string text = Widen(kTooLargeNote);
  text.reserve(kTextBoxCharacterLimit + 4);  // the limit and the two line ends
  text.append(fileText.substr(0, kept));
  text.append(U"\r\n\r\n");
  text.append(Widen(kNotEntireNote));
  return text;
}

Message ReadFailureMessage(const FileRead& read, std::string_view emptyTitle,
                           std::string_view emptyText) {
  if (read.status == FileReadStatus::Empty) {
    return {std::string(emptyText), std::string(emptyTitle), Icon::Exclamation, Buttons::Ok};
  }
  std::string text = "Error " + DecimalText(read.errorNumber) + ".  ";
  text += read.errorDescription;
  return {text, "Error reading file", Icon::Exclamation, Buttons::Ok};
}

ViewerText ReadViewerText(const std::string& path, std::string_view emptyTitle,
                          std::string_view emptyText) {
  try {
    return ReadAndLimit(path, emptyTitle, emptyText);
  } catch (const std::bad_alloc&) {
    FileRead read;
    read.errorNumber = ENOMEM;
    read.errorDescription = SystemErrorDescription(ENOMEM);
    return {{}, ReadFailureMessage(read, emptyTitle, emptyText)};
  }
}

ViewerLayout LayOutViewer(int32_t outerWidth, int32_t outerHeight, int32_t copyWidth) {
  ViewerLayout layout;
  layout.outerWidth = std::max(outerWidth, kViewerMinWidth);
  layout.outerHeight = std::max(outerHeight, kViewerMinHeight);
  layout.text = {kTextLeft, kTextTop, layout.outerWidth - kWidthAllowance,
                 layout.outerHeight - kHeightAllowance};
  const int32_t buttonTop = layout.text.top + layout.text.height + kButtonGap;
  layout.copy = {layout.text.left, buttonTop, copyWidth, kViewerButtonHeight};
  layout.close = {layout.text.left + layout.text.width - kCloseButtonWidth, buttonTop,
                  kCloseButtonWidth, kViewerButtonHeight};
  return layout;
}

}  // namespace clvt
