// The copied result's columns. The whole text of a worked example is checked through the
// window's copy button.
#include "run/copy_result.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CopyResult, DatesAreCutOrPaddedTo28Characters) {
  const struct {
    const char* name;
    std::string date;
    std::string column;  // what columns 21 to 48 hold
  } rows[] = {
      {"28 characters, whole, no blank after", "September 30, -12,345,678 BC",
       "September 30, -12,345,678 BC"},
      {"29 characters, cut", "September 30, -12,345,678 BCE", "September 30, -12,345,678 BC"},
      // Two-byte characters count once and are never split.
      {"non-ASCII, padded", "22 n\xC3\xA9v\xC3\xA9mbre",
       "22 n\xC3\xA9v\xC3\xA9mbre" + std::string(17, ' ')},
      {"non-ASCII, cut", std::string(27, 'x') + "\xC3\xA9\xC3\xA9",
       std::string(27, 'x') + "\xC3\xA9"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    clvt::OutputDates outputs;
    outputs.txbOutputJC = row.date;
    outputs.txbOutputJCwithAYN = "2015-11-09 JC";
    const std::string text = clvt::CopyResultText(outputs);
    const std::size_t julian = text.find("\r\n") + 2;
    EXPECT_EQ(text.substr(julian, text.find("\r\n", julian) - julian),
              "Julian Calendar:    " + row.column + "2015-11-09 JC" + std::string(15, ' '));
  }
}

}  // namespace
