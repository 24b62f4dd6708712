// Finding data files beside the executable or in an installed share folder.
#include "platform/executable_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

TEST(ExecutableFolder, IsTheFolderOfThisTest) {
  const fs::path folder = clvt::ExecutableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_TRUE(fs::is_regular_file(folder / "executable_folder_test"));
}

TEST(ExecutableFolder, JoinPathAddsOneSeparator) {
  struct Row {
    const char* folder;
    const char* expected;
  };
  for (const Row& row : {Row{"/usr/bin", "/usr/bin/clvt.dat"}, Row{"/", "/clvt.dat"},
                         Row{"C:\\", "C:\\clvt.dat"}, Row{"/opt/bin/", "/opt/bin/clvt.dat"},
                         Row{"", "clvt.dat"}}) {
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
