#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/message.h"
#include "platform/file_read.h"
#include "support/text_file.h"
#include "support/twips.h"

// What the text viewer shows and where, as plain values: the text box's size limit with its two
// notes, the message for a file that cannot be shown, and the layout of the controls. The Qt
// window only applies these.
namespace clvt {

// The text box takes at most this many characters of a file.
inline constexpr std::size_t kTextBoxCharacterLimit = 65530;

// The notes put before and after a file's text when it does not fit (168 and 56 characters,
// line ends "\r\n" included).
inline constexpr std::string_view kTooLargeNote =
    "NOTE: This file is too large to display entirely in this textbox.\r\n"
    "To view the entire contents of the file load it into NotePad,\r\n"
    "WordPad or some other text editor.\r\n"
    "\r\n";
inline constexpr std::string_view kNotEntireNote =
    "NOTE: Entire contents of file have not been displayed.\r\n";

// The text box's text for a file's characters: the text itself when it has fewer than
// kTextBoxCharacterLimit characters; otherwise the first note, as many leading characters of
// the file as leave room for both notes (65,306), two line ends ("\r\n\r\n") and the second
// note, 65,534 characters in all. Characters are counted as they stand: a carriage return and
// a line feed are one each, so a "\r\n" line end counts two and a bare "\n" one.
std::u32string TextForTextBox(std::u32string_view fileText);

// The message for a file the viewer could not show: for an empty file emptyText under
// emptyTitle; otherwise "Error 2.  No such file or directory" under "Error reading file".
// Both with the exclamation icon and an OK button. read.status must not be Ok.
Message ReadFailureMessage(const FileRead& read, std::string_view emptyTitle,
                           std::string_view emptyText);

struct ViewerText {
  std::u32string text;             // for the text box when failure is empty
  std::optional<Message> failure;  // the message to show instead
};

// Reads, decodes and limits the file at path for the text box. A file without characters
// (no bytes, or only a byte-order mark) fails with emptyText under emptyTitle; a file that
// cannot be read with ReadFailureMessage's "Error ..." message.
ViewerText ReadViewerText(const std::string& path, std::string_view emptyTitle,
                          std::string_view emptyText);

// The viewer's smallest outer size; a smaller one snaps back to it.
inline constexpr int32_t kViewerMinWidth = 8000;
inline constexpr int32_t kViewerMinHeight = 2000;
inline constexpr int32_t kCloseButtonWidth = 1740;
inline constexpr int32_t kViewerButtonHeight = 375;
// Copy button widths for its two captions.
inline constexpr int32_t kCopyAllWidth = 3270;
inline constexpr int32_t kCopySelectedWidth = 4425;

struct ViewerLayout {
  int32_t outerWidth = 0;  // after the snap to the minimum
  int32_t outerHeight = 0;
  TwipsRect text;
  TwipsRect copy;
  TwipsRect close;
};

// Places the text box and the two buttons for an outer window size: the text box fills the
// window less fixed margins, both buttons sit 100 twips below it, Copy at its left edge and
// Close with its right edge on the text box's right edge. Sizes below the minimum (negative
// ones too) count as the minimum.
ViewerLayout LayOutViewer(int32_t outerWidth, int32_t outerHeight, int32_t copyWidth);

}  // namespace clvt
