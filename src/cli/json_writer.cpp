#include "cli/json_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ostream>

#include "base/ascii_text.h"
#include "support/text_file.h"

namespace clvt::cli {
namespace {

constexpr int kMaxDecimals = 9;

}  // namespace

std::string JsonString(std::string_view text) {
  const bool valid = IsValidUtf8(text);
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      constexpr std::string_view kHex = "0123456789abcdef";
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    } else if (byte >= 0x80 && !valid) {
      out += "\\ufffd";
    } else {
      out += c;
    }
  }
  return out + "\"";
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
  text_ += JsonString(name) + ": ";
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
  BeforeValue();
  text_ += JsonString(text);
  return *this;
}

JsonWriter& JsonWriter::StringOrNull(std::optional<std::string_view> text) {
  return text ? String(*text) : Null();
}

JsonWriter& JsonWriter::Number(int64_t n) {
  BeforeValue();
  text_ += DecimalText(n);
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
