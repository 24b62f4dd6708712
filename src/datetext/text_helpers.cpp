#include "datetext/text_helpers.h"

#include <charconv>
#include <limits>

#include "platform/utf8.h"

namespace clvt {
namespace {

bool InSet(char c, std::string_view set) { return set.find(c) != std::string_view::npos; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void RemoveChars(std::string& text, std::string_view set) {
  std::erase_if(text, [set](char c) { return InSet(c, set); });
}

std::string KeepChars(std::string_view text, std::string_view set) {
  std::string out;
  for (char c : text) {
    if (InSet(c, set)) out += c;
  }
  return out;
}

std::vector<std::string> SplitFields(std::string_view text, std::string_view delimiter) {
  if (text.empty()) return {};
  if (delimiter.empty()) return {TrimBlanks(text)};  // nothing to split at: one field
  if (text.starts_with(delimiter)) text.remove_prefix(delimiter.size());
  std::vector<std::string> fields;
  while (!text.empty()) {
    const std::size_t p = text.find(delimiter);
    fields.push_back(TrimBlanks(text.substr(0, p)));
    text.remove_prefix(p == std::string_view::npos ? text.size() : p + delimiter.size());
  }
  return fields;
}

void RemoveLeading(std::string& text, std::string_view prefix) {
  if (prefix.empty()) return;
  std::size_t n = 0;
  while (std::string_view(text).substr(n).starts_with(prefix)) n += prefix.size();
  text.erase(0, n);
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

std::string PadToColumns(std::string_view text, std::size_t columns, ColumnOverflow overflow) {
  std::size_t characters = 0;
  std::size_t end = 0;  // the bytes of the first `columns` characters
  for (; end < text.size() && characters < columns; ++characters) {
    end += Utf8CharacterBytes(text, end);
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
