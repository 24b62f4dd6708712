#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/morvel/date_rec.h"

// The JSON that clvt prints with --json: one value on one line, ", " between members and
// ": " after a name, as in {"jdn": 2457349, "weekday": "Sunday"}. Numbers are plain JSON
// numbers whatever the locale (no digit groups, "." before decimals); texts are escaped and
// always valid UTF-8.
namespace clvt::cli {

// text as a JSON string with its quotes: '"' and '\' escaped, control characters as \u00XX.
// Valid UTF-8 passes unchanged; in text that is not valid UTF-8 every byte above 0x7F becomes
// \ufffd, so the output stays valid whatever the bytes. JsonString("a\"b") is "\"a\\\"b\"".
std::string JsonString(std::string_view text);

// Builds one JSON value member by member; the separators come by themselves. Calls must nest
// properly (a Key before each member of an object); the writer does not check.
//   JsonWriter json;
//   json.BeginObject().Key("jdn").Number(2457349).EndObject();  // {"jdn": 2457349}
class JsonWriter {
 public:
  JsonWriter() { text_.reserve(kTypicalLength); }
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(std::string_view name);
  JsonWriter& String(std::string_view text);
  JsonWriter& StringOrNull(std::optional<std::string_view> text);  // null without a text
  JsonWriter& Number(int64_t n);
  // x with exactly `decimals` decimals (0..9); null when x is not finite.
  JsonWriter& Fixed(double x, int decimals);
  JsonWriter& Bool(bool b);
  JsonWriter& Null();

  // The text so far; complete once every object and array is closed.
  const std::string& Text() const { return text_; }

 private:
  static constexpr std::size_t kTypicalLength = 1024;  // a convert object has about 600 bytes

  void BeforeValue();
  JsonWriter& Open(char bracket);
  JsonWriter& Close(char bracket);

  std::string text_;
  std::vector<bool> empty_;  // per open object or array: nothing in it yet
  bool afterKey_ = false;
};

// The members "year" (astronomical), "month" and "day" of rec, inside an open object.
void WriteDateMembers(JsonWriter& json, const DateRec& rec);

// Ends a listing run's object: closes the array of its lines, writes the count its summary
// gives under countName, the summary (null when none was written) and why the run stopped
// short ("capacity", or null when it ran to its end), and prints the object on one line.
void PrintRunEnd(std::ostream& out, JsonWriter& json, std::string_view countName, int64_t count,
                 const std::optional<std::string>& summary,
                 std::optional<std::string_view> stopped);

}  // namespace clvt::cli
