// The JSON clvt prints: escaping that keeps any text valid JSON in UTF-8, and separators.
#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <limits>

namespace clvt::cli {
namespace {

TEST(JsonString, EscapesAndStaysValidUtf8) {
  const struct {
    const char* text;
    const char* json;
  } rows[] = {
      {"Sunday", "\"Sunday\""},
      {"a\"b\\c", "\"a\\\"b\\\\c\""},
      {"\n\x01\x1f", "\"\\u000a\\u0001\\u001f\""},
      {"12\u00A0345 \u202F", "\"12\u00A0345 \u202F\""},  // valid UTF-8 passes unchanged
      // Bytes that are no UTF-8 (a Latin-1 grouping symbol that escaped conversion) must not
      // reach the output as they are: the whole text would be invalid.
      {"12\xA0"
       "345",
       "\"12\\ufffd345\""},
      {"\xC3\xA9\xE9", "\"\\ufffd\\ufffd\\ufffd\""},
      {"\xED\xA0\x80", "\"\\ufffd\\ufffd\\ufffd\""},  // an encoded surrogate
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(JsonString(row.text), row.json);
  }
}

TEST(JsonWriter, SeparatesMembersAndElements) {
  JsonWriter json;
  json.BeginObject().Key("a").BeginArray().Number(-1).BeginObject().EndObject().EndArray();
  json.Key("b").Fixed(2460389.5, 4);
  json.Key("c").Fixed(std::numeric_limits<double>::quiet_NaN(), 1);
  json.Key("d").StringOrNull(std::nullopt).Key("e").Bool(true).EndObject();
  EXPECT_EQ(json.Text(), R"({"a": [-1, {}], "b": 2460389.5000, "c": null, "d": null, "e": true})");
}

}  // namespace
}  // namespace clvt::cli
