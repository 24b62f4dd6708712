// The copied result's columns.
#include "mainwindow/copy_result.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

clvt::OutputDates Example() {
  clvt::OutputDates outputs;
  outputs.txbOutputGC = "November 22, 2015 CE";
  outputs.txbOutputGCwithAYN = "2015-11-22 CE";
  outputs.txbOutputJC = "November 9, 2015 CE";
  outputs.txbOutputJCwithAYN = "2015-11-09 JC";
  outputs.txbOutputDEE = "November 22, 2015 CE";
  outputs.txbOutputDEEwithAYN = "2015-11-22 DC";
  outputs.txbJDN = "2,457,349";
  outputs.txbDayOfWeek = "Sunday";
  return outputs;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
  return lines;
}

TEST(CopyResult, WorkedExample) {
  EXPECT_EQ(clvt::CopyResultText(Example()),
            "Gregorian Calendar: November 22, 2015 CE        2015-11-22 CE               \r\n"
            "Julian Calendar:    November 9, 2015 CE         2015-11-09 JC               \r\n"
            "Julian day number:  2,457,349\r\n"
            "Day of week:        Sunday\r\n"
            "\r\n");
}

TEST(CopyResult, DatesAreCutOrPaddedTo28Characters) {
  struct Row {
    const char* name;
    std::string date;
    std::string column;  // what columns 21 to 48 hold
  };
  const Row rows[] = {
      {"28 characters, whole, no blank after", "September 30, -12,345,678 BC",
       "September 30, -12,345,678 BC"},
      {"29 characters, cut", "September 30, -12,345,678 BCE", "September 30, -12,345,678 BC"},
      // Two-byte characters count once and are never split.
      {"non-ASCII, padded", "22 n\xC3\xA9v\xC3\xA9mbre", "22 n\xC3\xA9v\xC3\xA9mbre" +
                                                           std::string(17, ' ')},
      {"non-ASCII, cut", std::string(27, 'x') + "\xC3\xA9\xC3\xA9",
       std::string(27, 'x') + "\xC3\xA9"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    clvt::OutputDates outputs = Example();
    outputs.txbOutputJC = row.date;
    const std::vector<std::string> lines = Lines(clvt::CopyResultText(outputs));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], "Julian Calendar:    " + row.column + "2015-11-09 JC" +
                            std::string(15, ' '));
  }
}

}  // namespace
