// Finding data files beside the executable or in an installed share folder.
#include "platform/executable_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
const std::string kSeparator = "\\";
constexpr const char* kThisProgram = "executable_folder_test.exe";
#else
const std::string kSeparator = "/";
constexpr const char* kThisProgram = "executable_folder_test";
#endif

TEST(ExecutableFolder, IsTheFolderOfThisTest) {
  const fs::path folder = clvt::ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_TRUE(fs::is_regular_file(folder / kThisProgram));
}

TEST(ExecutableFolder, JoinPathAddsOneSeparator) {
  struct Row {
    const char* folder;
    std::string expected;
  };
  const Row rows[] = {
      {"/usr/bin", "/usr/bin" + kSeparator + "clvt.dat"},
      // A root already ends in a separator: no second one.
      {"/", "/clvt.dat"},
      {"C:\\", "C:\\clvt.dat"},
      {"", "clvt.dat"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.folder);
    EXPECT_EQ(clvt::JoinPath(row.folder, "clvt.dat"), row.expected);
  }
}

TEST(ExecutableFolder, DataFileBesideOrInShare) {
  const fs::path root = fs::path(::testing::TempDir()) / "clvt_install";
  fs::remove_all(root);
  fs::create_directories(root / "bin");
  fs::create_directories(root / "share" / "calvantis");
  const std::string bin = (root / "bin").string();

  EXPECT_EQ(clvt::DataFilePathIn(bin, "clvt.dat"), (root / "bin" / "clvt.dat").string())
      << "neither exists: the path beside the executable names the missing file";

  std::ofstream(root / "share" / "calvantis" / "clvt.dat") << "1 x\n";
  EXPECT_EQ(clvt::DataFilePathIn(bin, "clvt.dat"),
            (root / "share" / "calvantis" / "clvt.dat").string());

  std::ofstream(root / "bin" / "clvt.dat") << "1 x\n";
  EXPECT_EQ(clvt::DataFilePathIn(bin, "clvt.dat"), (root / "bin" / "clvt.dat").string())
      << "a file beside the executable wins";
}

}  // namespace
