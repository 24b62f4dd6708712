#pragma once

#include <cstdint>

// Stand-in for the maker's program text library: loads a file of numbered texts once and
// hands out one text at a time. C ABI with the library's argument order and widths; no
// exception leaves these functions.
//
// File format (plain text, one text per line, lines counted from 1 including comments and
// blank lines; LF, CR LF or lone CR line ends; a final line end is optional; a UTF-8 byte
// order mark at the start is skipped):
//   # comment            a line whose first non-blank character is '#'
//                        a line of blanks and tabs only is ignored
//   18<TAB>Copy result   NUMBER, one or more blanks or tabs, TEXT to the end of the line
//   13 ~                 "~" stands for an empty text
// NUMBER is decimal, optionally negative, within -32768..32767 (the callers' 16-bit numbers).
// TEXT is kept byte for byte (non-ASCII included), holds at most kBrevikMaxTextLength bytes
// and no control character (bytes 0 to 31, tab included, and 127).
namespace clvt {

// Longest text: gt's callers pass a 1024-byte buffer, which needs a byte for the final zero.
inline constexpr int32_t kBrevikMaxTextLength = 1023;
// Larger files or more texts give kBrevikTooMuchText.
inline constexpr int64_t kBrevikMaxFileBytes = int64_t{1024} * 1024;
inline constexpr int32_t kBrevikMaxTexts = 10000;

// Results of lt. Line numbers 1..500 are encoded for missing and too-long texts; the
// duplicate codes reach to any line a file within the size limit can have.
inline constexpr int32_t kBrevikNothingRead = 0;         // no text line in the file
inline constexpr int32_t kBrevikCannotOpen = -1;         // null path, missing, not a file
inline constexpr int32_t kBrevikTextAllocation = -2;     // storing one text failed
inline constexpr int32_t kBrevikTooMuchText = -3;        // over the file or count limit
inline constexpr int32_t kBrevikNotRecovered = -4;       // a line that is not NUMBER TEXT
inline constexpr int32_t kBrevikFileEmpty = -6;          // zero bytes
inline constexpr int32_t kBrevikReadError = -7;          // the read itself failed
inline constexpr int32_t kBrevikGeneralAllocation = -8;  // reading the file failed for memory
inline constexpr int32_t kBrevikMissingBase = -500;      // -500 - line: NUMBER without TEXT
inline constexpr int32_t kBrevikTooLongBase = -1000;     // -1000 - line: TEXT over the limit
inline constexpr int32_t kBrevikDuplicateBase = -1500;   // -1500 - line: NUMBER seen before
inline constexpr int32_t kBrevikMaxCodedLine = 500;

}  // namespace clvt

extern "C" {

// Loads the texts of the file at path, replacing any loaded before. reserved is 0. Returns
// the number of texts (1 or more) or one of the codes above; after a failure no text is
// loaded. A missing or too-long text on a line past kBrevikMaxCodedLine, whose code would
// read as another line's, gives kBrevikNotRecovered instead.
int32_t lt(const char* path, int32_t reserved);

// Copies text `number` of language `language` (only 0 exists) into buffer, cut to size - 1
// bytes, followed by a zero byte, and returns the number of bytes of text written. Returns 0
// (buffer set to "" when it has room) for an unknown number or language, a null buffer or a
// size below 1. reserved is 1.
int32_t gt(int32_t number, int32_t language, char* buffer, int32_t size, int32_t reserved);
}
