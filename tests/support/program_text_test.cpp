// Program texts: the load failure messages, the empty-text marker, the shipped text file and
// the identity built from it.
#include "support/program_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>

#include "platform/brevik/brevik.h"
#include "platform/executable_folder.h"
#include "support/identity.h"

namespace {

// Each code's message, the three line faults at both ends of their ranges.
TEST(ProgramText, LoadFailureMessages) {
  const struct {
    int32_t n;
    const char* text;
  } rows[] = {
      {0, "No program text was read."},
      {-2, "Particular memory allocation error."},
      {-3, "Too much program text."},
      {-4, "Text not recovered."},
      {-5, "Error -5"},
      {-6, "File is empty."},
      {-7, "Error reading file."},
      {-8, "General memory allocation error."},
      {-500, "Error -500"},
      {-501, "Missing string at line 1."},
      {-1000, "Missing string at line 500."},
      {-1001, "String too long at line 1."},
      {-1500, "String too long at line 500."},
      {-1501, "Duplicate in program text at line 1."},
      {std::numeric_limits<int32_t>::min(), "Duplicate in program text at line 2147482148."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.n);
    EXPECT_EQ(clvt::LoadFailureMessage(row.n, "/opt/clvt/clvt.dat"),
              (clvt::Message{row.text, "", clvt::Icon::Critical, clvt::Buttons::Ok}));
  }
  EXPECT_FALSE(clvt::LoadFailureMessage(1, "x").has_value());
}

// The message used to name only the place beside the executable, also for an installed
// program, whose texts lie in share/calvantis.
TEST(ProgramText, MissingFileNamesEveryPlaceLookedIn) {
  const auto message = clvt::LoadProgramText("clvt_no_such_file.dat");
  ASSERT_TRUE(message.has_value());
  const std::filesystem::path folder = clvt::ExecutableFolder();
  EXPECT_EQ(message->text,
            "Cannot open file containing program text.\r\n" +
                (folder / "clvt_no_such_file.dat").string() + "\r\n" +
                (folder.parent_path() / "share" / "calvantis" / "clvt_no_such_file.dat").string());
  EXPECT_EQ(message->icon, clvt::Icon::Critical);
}

TEST(ProgramText, EmptyMarkerAndMissingTextGiveEmpty) {
  const std::string path = ::testing::TempDir() + "program_text_marker.dat";
  std::ofstream(path) << "13 ~\n14 ~~\n18 Copy result to clipboard\n";
  ASSERT_EQ(lt(path.c_str(), 0), 3);
  EXPECT_EQ(clvt::GetText(13), "");
  EXPECT_EQ(clvt::GetText(14), "~~");
  EXPECT_EQ(clvt::GetText(18), "Copy result to clipboard");
  EXPECT_EQ(clvt::GetText(19), "");
  EXPECT_EQ(clvt::GetText(-1), "");
}

// The file the program ships with has every text the program asks for, names the help file
// shipped beside it, and gives the identity that names the window and the settings key.
TEST(ProgramText, ShippedFileHasTheTextsInUse) {
  ASSERT_GE(lt(CLVT_PROGRAM_TEXT_FILE, 0), 1);
  for (int16_t number : {13, 15, 16, 17, 18, 36, 273, 310}) {
    SCOPED_TRACE(number);
    EXPECT_NE(clvt::GetText(number), "");
  }
  EXPECT_EQ(clvt::GetText(15).find("http://"), std::string::npos);
  EXPECT_TRUE(
      std::ifstream(std::filesystem::path(CLVT_PROGRAM_TEXT_FILE).parent_path() / clvt::GetText(16))
          .good());
  EXPECT_EQ(clvt::strCompanyName(), "Vostrel Systems");
  EXPECT_EQ(clvt::MainCaption(), "Calvantor 6.42");
}

}  // namespace
