// The one UTF-8 reader: the inclusive ends of every range the standard allows, the overlong
// forms, encoded surrogates and values above U+10FFFF it refuses, and a sequence cut short.
#include "platform/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace clvt {
namespace {

TEST(Utf8, WellFormedSequencesOnly) {
  struct Row {
    const char* name;
    std::string bytes;
    bool valid, validAsPrefix;
    int64_t characters;
  };
  // clang-format off
  const Row kRows[] = {
      {"ASCII, NUL and DEL",      std::string("a\0\x7F", 3),      true,  true,  3},
      {"two bytes: U+0080",       "\xC2\x80",                     true,  true,  1},
      {"three bytes: U+0800",     "\xE0\xA0\x80",                 true,  true,  1},
      {"last before surrogates",  "\xED\x9F\xBF",                 true,  true,  1},
      {"first after surrogates",  "\xEE\x80\x80",                 true,  true,  1},
      {"four bytes: U+10000",     "\xF0\x90\x80\x80",             true,  true,  1},
      {"last: U+10FFFF",          "\xF4\x8F\xBF\xBF",             true,  true,  1},
      {"overlong two bytes",      "\xC0\xAF",                     false, false, 2},
      {"overlong three bytes",    "\xE0\x9F\xBF",                 false, false, 3},
      {"overlong four bytes",     "\xF0\x8F\xBF\xBF",             false, false, 4},
      {"first surrogate",         "\xED\xA0\x80",                 false, false, 3},
      {"last surrogate",          "\xED\xBF\xBF",                 false, false, 3},
      {"above U+10FFFF",          "\xF4\x90\x80\x80",             false, false, 4},
      {"lone continuation",       "a\x80",                        false, false, 2},
      {"cut at the end",          "ab\xE2\x82",                   false, true,  4},
      {"cut inside",              "\xE2\x82z",                    false, false, 3},
  };
  // clang-format on
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(IsValidUtf8(r.bytes), r.valid);
    EXPECT_EQ(IsValidUtf8(r.bytes, true), r.validAsPrefix);
    EXPECT_EQ(CharacterCount(r.bytes), r.characters);
  }
  char32_t cp = 0;
  std::size_t length = 0;
  ASSERT_EQ(NextUtf8("\xF0\x9F\x98\x80", 0, cp, length), Utf8Step::kChar);
  EXPECT_EQ(cp, U'\U0001F600');
  EXPECT_EQ(length, 4u);
}

}  // namespace
}  // namespace clvt
