#include "cli/json_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <ostream>

#include "base/ascii_text.h"
#include "platform/utf8.h"

namespace clvt::cli {
namespace {

constexpr int kMaxDecimals = 9;

// The bytes a JSON string holds as they are: not '"', '\\', a control character, or a byte
// of a multi-byte UTF-8 character (which passes once the whole text is known to be valid).
constexpr std::array<bool, 256> kPlainBytes = [] {
  std::array<bool, 256> plain{};
  for (std::size_t byte = 0x20; byte < 0x80; ++byte) plain[byte] = byte != '"' && byte != '\\';
  return plain;
}();

// text as a JSON string, appended to out: plain bytes in runs, the others escaped.
void AppendJsonString(std::string& out, std::string_view text) {
  std::optional<bool> valid;  // whether text is valid UTF-8, once a byte above 0x7F asks
  out += '"';
  std::size_t run = 0;  // start of the bytes not yet appended
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (kPlainBytes[byte]) continue;
    if (byte >= 0x80) {
      if (!valid) valid = IsValidUtf8(text);
      if (*valid) continue;
    }
    out.append(text, run, i - run);
    run = i + 1;
    if (byte < 0x20) {
      constexpr std::string_view kHex = "0123456789abcdef";
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    } else if (byte >= 0x80) {
      out += "\\ufffd";
    } else {
      out += '\\';
      out += text[i];
    }
  }
  out.append(text, run);
  out += '"';
}

}  // namespace

std::string JsonString(std::string_view text) {
  std::string out;
  AppendJsonString(out, text);
  return out;
}

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!empty_.empty()) {
    if (!empty_.back()) text_ += ", ";
    empty_.back() = false;
  }
}

JsonWriter& JsonWriter::Open(char bracket) {
  BeforeValue();
  text_ += bracket;
  empty_.push_back(true);
  return *this;
}

JsonWriter& JsonWriter::Close(char bracket) {
  text_ += bracket;
  if (!empty_.empty()) empty_.pop_back();
  return *this;
}

JsonWriter& JsonWriter::BeginObject() { return Open('{'); }
JsonWriter& JsonWriter::EndObject() { return Close('}'); }
JsonWriter& JsonWriter::BeginArray() { return Open('['); }
JsonWriter& JsonWriter::EndArray() { return Close(']'); }

JsonWriter& JsonWriter::Key(std::string_view name) {
  BeforeValue();
  AppendJsonString(text_, name);
  text_ += ": ";
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
  BeforeValue();
  AppendJsonString(text_, text);
  return *this;
}

JsonWriter& JsonWriter::StringOrNull(std::optional<std::string_view> text) {
  return text ? String(*text) : Null();
}

JsonWriter& JsonWriter::Number(int64_t n) {
  BeforeValue();
  char buffer[24];  // 19 digits, a sign and room to spare
  text_.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, n).ptr);
  return *this;
}

JsonWriter& JsonWriter::Fixed(double x, int decimals) {
  if (!std::isfinite(x)) return Null();
  BeforeValue();
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed,
                                    decimals < 0 ? 0 : std::min(decimals, kMaxDecimals));
  // Only a magnitude beyond 1e50 does not fit; no caller comes near it.
  if (result.ec != std::errc()) {
    text_ += "null";
    return *this;
  }
  text_.append(buffer, result.ptr);
  return *this;
}

JsonWriter& JsonWriter::Bool(bool b) {
  BeforeValue();
  text_ += b ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeforeValue();
  text_ += "null";
  return *this;
}

void WriteDateMembers(JsonWriter& json, const DateRec& rec) {
  json.Key("year").Number(rec.year).Key("month").Number(rec.month).Key("day").Number(rec.day);
}

void PrintRunEnd(std::ostream& out, JsonWriter& json, std::string_view countName, int64_t count,
                 const std::optional<std::string>& summary,
                 std::optional<std::string_view> stopped) {
  json.EndArray()
      .Key(countName)
      .Number(count)
      .Key("summary")
      .StringOrNull(summary)
      .Key("stopped")
      .StringOrNull(stopped);
  out << json.EndObject().Text() << "\n";
}

}  // namespace clvt::cli
