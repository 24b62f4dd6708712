#include "datetext/text_helpers.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "base/ascii_text.h"

namespace clvt {
namespace {

bool InSet(char c, std::string_view set) { return set.find(c) != std::string_view::npos; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Clamps a 1-based start position to the text: below 1 counts as 1.
std::size_t StartIndex(int64_t start) {
  return start < 1 ? 0 : static_cast<std::size_t>(start - 1);
}

}  // namespace

std::string SafeLeft(std::string_view text, int64_t n) {
  if (n <= 0) return "";
  if (static_cast<uint64_t>(n) >= text.size()) return std::string(text);
  return std::string(text.substr(0, static_cast<std::size_t>(n)));
}

int32_t FindFirstOf(std::string_view text, int64_t start, std::string_view set,
                    int32_t& matchIndex) {
  if (text.empty() || set.empty()) return 0;
  for (std::size_t i = StartIndex(start); i < text.size(); ++i) {
    const std::size_t at = set.find(text[i]);
    if (at != std::string_view::npos) {
      matchIndex = static_cast<int32_t>(at + 1);
      return static_cast<int32_t>(i + 1);
    }
  }
  return 0;
}

int32_t FindFirstNotOf(std::string_view text, int64_t start, std::string_view set) {
  if (text.empty()) return 0;
  if (set.empty()) return 1;
  for (std::size_t i = StartIndex(start); i < text.size(); ++i) {
    if (!InSet(text[i], set)) return static_cast<int32_t>(i + 1);
  }
  return 0;
}

void RemoveChars(std::string& text, std::string_view set, int64_t start) {
  // Same effect as removing one run of set characters at a time from start on, in one pass.
  const std::size_t from = StartIndex(start);
  if (set.empty() || from >= text.size()) return;
  std::size_t out = from;
  for (std::size_t i = from; i < text.size(); ++i) {
    if (!InSet(text[i], set)) text[out++] = text[i];
  }
  text.resize(out);
}

std::string KeepChars(std::string_view text, std::string_view set) {
  std::string out;
  for (char c : text) {
    if (InSet(c, set)) out += c;
  }
  return out;
}

std::string IntegerText(std::string_view text, bool allowMinus, bool allowPlus) {
  const std::string t = KeepChars(text, "0123456789-+");
  if (t.empty()) return "";
  std::string sign(1, t.front());
  if ((sign == "-" && !allowMinus) || (sign == "+" && !allowPlus)) sign.clear();
  return sign + KeepChars(std::string_view(t).substr(1), "0123456789");
}

int16_t SplitFields(std::string_view text, std::string_view delimiter, int64_t start,
                    std::vector<std::string>& fields, bool trimFields, int16_t maxFields,
                    int16_t minLength) {
  const std::size_t from = StartIndex(start);
  std::string rest = from < text.size() ? std::string(text.substr(from)) : "";
  if (rest.empty()) return 0;
  if (delimiter.empty()) {
    // Nothing to split at: the whole text is one field.
    fields.assign(1, trimFields ? TrimBlanks(rest) : rest);
    return 1;
  }
  if (rest.starts_with(delimiter)) rest.erase(0, delimiter.size());
  if (!rest.ends_with(delimiter)) rest += delimiter;

  std::vector<std::string> found;
  std::string_view remaining = rest;
  while (!remaining.empty()) {
    const std::size_t p = remaining.find(delimiter);
    std::string field(remaining.substr(0, p));
    if (trimFields) field = TrimBlanks(field);
    if (field.size() >= static_cast<std::size_t>(minLength < 0 ? 0 : minLength)) {
      found.push_back(std::move(field));
      if (found.size() >= static_cast<std::size_t>(INT16_MAX)) break;
      if (maxFields > 0 && found.size() == static_cast<std::size_t>(maxFields)) break;
    }
    remaining.remove_prefix(p + delimiter.size());
    if (delimiter == " ") {
      while (!remaining.empty() && remaining.front() == ' ') remaining.remove_prefix(1);
    }
  }
  // The array is resized only as fields are stored, so when every field was too short the
  // caller's array keeps what it held.
  if (found.empty()) return 0;
  fields = std::move(found);
  return static_cast<int16_t>(fields.size());
}

int32_t CountOccurrences(std::string_view text, std::string_view part, bool caseSensitive) {
  if (text.empty() || part.empty()) return 0;
  const std::string haystack = caseSensitive ? std::string(text) : UpperCase(text);
  const std::string needle = caseSensitive ? std::string(part) : UpperCase(part);
  int32_t count = 0;
  for (std::size_t p = haystack.find(needle); p != std::string::npos;
       p = haystack.find(needle, p + needle.size())) {
    ++count;
  }
  return count;
}

void RemoveLeading(std::string& text, std::string_view prefix) {
  if (prefix.empty()) return;
  std::size_t n = 0;
  while (std::string_view(text).substr(n).starts_with(prefix)) n += prefix.size();
  text.erase(0, n);
}

void RemoveTrailing(std::string& text, std::string_view suffix) {
  if (suffix.empty()) return;
  while (text.ends_with(suffix)) text.resize(text.size() - suffix.size());
}

std::string TrimTrailingChars(std::string_view text, std::string_view set) {
  if (set.empty()) return std::string(text);
  while (!text.empty() && InSet(text.back(), set)) text.remove_suffix(1);
  return std::string(text);
}

bool IsWholeNumber(std::string_view text, bool allowSign, std::string_view extraChars) {
  std::string t = TrimBlanks(text);
  if (t.empty()) return false;
  if (allowSign && (t.front() == '+' || t.front() == '-')) t.erase(0, 1);
  RemoveChars(t, std::string("0123456789") + std::string(extraChars));
  return t.empty();
}

bool IsWholeNumberPlain(std::string_view text, bool allowSign, bool allowComma) {
  return IsWholeNumber(text, allowSign, allowComma ? "," : "");
}

std::string TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  const std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string out;
  std::size_t pos = 0;
  for (std::size_t hit; (hit = text.find(from, pos)) != std::string_view::npos;
       pos = hit + from.size()) {
    out.append(text.substr(pos, hit - pos));
    out.append(to);
  }
  out.append(text.substr(pos));
  return out;
}

std::string WithCommaGroups(std::string_view text, std::string_view groupingSymbol) {
  return ReplaceAll(text, groupingSymbol, ",");
}

int64_t CharacterCount(std::string_view utf8) {
  return std::count_if(utf8.begin(), utf8.end(),
                       [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

std::string PadToColumns(std::string_view text, std::size_t columns, ColumnOverflow overflow) {
  std::size_t characters = 0;
  std::size_t end = 0;
  for (; end < text.size(); ++end) {
    if ((static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) continue;  // continuation
    if (characters == columns) break;
    ++characters;
  }
  if (end < text.size() || (characters == columns && overflow == ColumnOverflow::kOneBlank)) {
    // As wide as the column or wider.
    if (overflow == ColumnOverflow::kCut) return std::string(text.substr(0, end));
    return std::string(text) + ' ';
  }
  std::string padded(text);
  padded.append(columns - characters, ' ');
  return padded;
}

double LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  std::string number;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    if (text[i] == '-') number += '-';
    ++i;
  }
  bool digits = false;
  while (i < text.size() && IsDigit(text[i])) {
    number += text[i++];
    digits = true;
  }
  if (i < text.size() && text[i] == '.') {
    number += text[i++];
    while (i < text.size() && IsDigit(text[i])) {
      number += text[i++];
      digits = true;
    }
  }
  if (!digits) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < text.size() && (text[j] == '-' || text[j] == '+')) exponent += text[j++];
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) exponent += text[j++];
      number += exponent;
    }
  }
  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // from_chars leaves the value alone on overflow; report it as infinite (or as 0 for an
    // underflow) so that callers' range checks reject it.
    const bool tiny = number.find("e-") != std::string::npos;
    if (tiny) return 0;
    return number.front() == '-' ? -std::numeric_limits<double>::infinity()
                                 : std::numeric_limits<double>::infinity();
  }
  return value;
}

int64_t DigitsValue(std::string_view digits) {
  int64_t value = 0;
  for (char c : digits) {
    if (!IsDigit(c)) continue;
    if (value > (std::numeric_limits<int64_t>::max() - (c - '0')) / 10) {
      return std::numeric_limits<int64_t>::max();
    }
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace clvt
