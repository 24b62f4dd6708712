// The settings file that stands in for the registry: its text form, damaged files, the atomic
// replacement, several writers, a lock held elsewhere and a settings file that is a link.
#include "platform/registry_file.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

#include "platform/registry_text.h"

namespace clvt {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

const std::string kKey = "Software\\Vostrel Systems\\CLVT";
const std::string kGoodFile =
    "[HKEY_CURRENT_USER\\Software\\Vostrel Systems\\CLVT]\n"
    "\"JDN\"=\"2457349\"\n"
    "\"Dee\"=\"D\"\n";

TEST(RegistryText, RoundTripsAwkwardNamesAndValues) {
  RegistryKeys keys;
  keys["HKEY_CURRENT_USER\\Software\\A \"quoted\" key"]["say \"hi\""] = "C:\\dir\\";
  keys["HKEY_CURRENT_USER\\Software\\A \"quoted\" key"]["controls"] = "tab\tnew\nline\r\0end\x7F"s;
  keys["HKEY_CURRENT_USER\\Software\\Empty"];
  keys["HKEY_CURRENT_USER\\Software\\B"]["n\xC3\xA4me"] =
      "Gr\xC3\xBC\xC3\x9F"
      "e \xFF";
  const std::string text = RegistryText(keys);
  EXPECT_EQ(ParseRegistryText(text), keys) << text;
  // The file stays plain, printable ASCII.
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    EXPECT_TRUE(c == '\n' || (u >= 0x20 && u < 0x7F)) << int(u);
  }
}

TEST(RegistryText, NamesAndKeysIgnoreCaseAsTheRegistryDoes) {
  const RegistryKeys keys = ParseRegistryText(
      "[hkey_current_user\\SOFTWARE\\vostrel systems\\clvt]\n\"jdn\"=\"1\"\n\"JDN\"=\"2\"\n");
  ASSERT_EQ(keys.size(), 1u);
  const auto key = keys.find("HKEY_CURRENT_USER\\" + kKey);
  ASSERT_NE(key, keys.end());
  EXPECT_EQ(key->second.size(), 1u);
  EXPECT_EQ(key->second.at("Jdn"), "2");  // the later line wins
}

TEST(RegistryText, KeepsWhatItCanReadFromDamagedText) {
  const std::string section = "[HKEY_CURRENT_USER\\Software\\Vostrel Systems\\CLVT]";
  struct Row {
    const char* name;
    std::string text;
    std::map<std::string, std::string> expected;  // values under the key
  };
  const Row rows[] = {
      {"byte order mark, CRLF, comments, blanks",
       "\xEF\xBB\xBF; note\r\n# note\r\n\r\n  " + section + "  \r\n \"JDN\" = \"5\" \r\n",
       {{"JDN", "5"}}},
      {"value before any key", "\"JDN\"=\"5\"\n" + section + "\n\"Dee\"=\"D\"\n", {{"Dee", "D"}}},
      {"broken key line hides its values",
       section + "\n\"Dee\"=\"D\"\n[HKEY_CURRENT_USER\\Other\n\"JDN\"=\"5\"\n",
       {{"Dee", "D"}}},
      {"hand edits",
       section + "\nJDN=5\n\"JDN\"=5\n\"JDN\"=\"5\" trailing\n\"A\"=\"\\q\"\n"
                 "\"B\"=\"\\x4\"\n\"C\"=\"\\x41\"\n",
       {{"C", "A"}}},
      {"binary bytes",
       section + "\n\"JDN\"=\"5\0\"\n\"Dee\"=\"D\"\n\x01\x02\xFF\n"s,
       {{"Dee", "D"}}},
      {"truncated", section + "\n\"Dee\"=\"D\"\n\"JDN\"=\"245", {{"Dee", "D"}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const RegistryKeys keys = ParseRegistryText(row.text);
    const auto key = keys.find("HKEY_CURRENT_USER\\" + kKey);
    ASSERT_NE(key, keys.end());
    using Values = std::map<std::string, std::string>;
    EXPECT_EQ(Values(key->second.begin(), key->second.end()), row.expected);
  }
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteAll(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

class FileRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("clvt-file-registry-" + std::to_string(getpid()));
    fs::remove_all(folder_);
    path_ = folder_ / "calvantis" / "registry.txt";
  }
  void TearDown() override { fs::remove_all(folder_); }

  // The value of name, or the restore's status when it was not read.
  static std::string Read(FileRegistry& registry, const std::string& name,
                          uint32_t root = kHKeyCurrentUser) {
    const RestoredValue read = RestoreValuesFromRegistry(registry, root, kKey, {name}).at(0);
    return read.status == kRestoreOK ? read.value : read.status;
  }
  // "" when the value was written, else the step that failed and its error code.
  static std::string Save(FileRegistry& registry, const std::string& name, const std::string& value,
                          const std::string& key = kKey) {
    const RegistryApi::WriteResult result = registry.WriteValue(kHKeyCurrentUser, key, name, value);
    if (result.createError != kErrorSuccess) return "key " + std::to_string(result.createError);
    if (result.writeError != kErrorSuccess) return "write " + std::to_string(result.writeError);
    return "";
  }

  fs::path folder_;
  fs::path path_;
};

TEST_F(FileRegistryTest, FirstSaveCreatesAPrivateFileInANewFolder) {
  FileRegistry registry(path_.string());
  EXPECT_EQ(Read(registry, "JDN"), "1 Key not found or is empty.");
  EXPECT_FALSE(fs::exists(path_));
  EXPECT_EQ(Save(registry, "JDN", "2457349"), "");
  struct stat info {};
  ASSERT_EQ(stat(path_.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_EQ(Read(registry, "JDN"), "2457349");
  EXPECT_NE(ReadAll(path_).find("\n[HKEY_CURRENT_USER\\Software\\Vostrel Systems\\CLVT]\n"
                                "\"JDN\"=\"2457349\"\n"),
            std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(path_.parent_path()), {}), 1);
}

TEST_F(FileRegistryTest, DamagedFilesReadAsNotFoundAndTheNextSaveRepairsThem) {
  const std::string section = "[HKEY_CURRENT_USER\\Software\\Vostrel Systems\\CLVT]\n";
  struct Row {
    const char* name;
    std::optional<std::string> file;  // nothing: no file at all
    const char* jdnStatus;
    const char* dee;  // what "Dee" reads before the repair
  };
  const Row rows[] = {
      {"missing", std::nullopt, "1 Key not found or is empty.", "1 Key not found or is empty."},
      {"hand-edited", "JDN = 2457349\n" + section + "Dee=D\n\"Dee\"=\"D\"\n\"JDN\" 5\n",
       "3 Name not found.", "D"},
      // A huge file made every start and quit take seconds; no settings file grows this large.
      {"over 64 KiB", section + "\"Dee\"=\"D\"\n" + std::string(64 * 1024, ';'),
       "1 Key not found or is empty.", "1 Key not found or is empty."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove_all(folder_);
    fs::create_directories(path_.parent_path());
    if (row.file) WriteAll(path_, *row.file);
    FileRegistry registry(path_.string());
    EXPECT_EQ(Read(registry, "JDN"), row.jdnStatus);
    EXPECT_EQ(Read(registry, "Dee"), row.dee);
    EXPECT_EQ(Save(registry, "JDN", "2457349"), "");
    EXPECT_EQ(Read(registry, "JDN"), "2457349");
    // The repaired file keeps the value that could be read; otherwise the key now exists.
    EXPECT_EQ(Read(registry, "Dee"), std::string(row.dee) == "D" ? "D" : "3 Name not found.");
  }
}

// A FIFO in place of the file used to block the quit (and any other copy's save) for good.
TEST_F(FileRegistryTest, FifoInThePlaceOfTheFileReadsAsNotSavedAndIsReplaced) {
  fs::create_directories(path_.parent_path());
  ASSERT_EQ(mkfifo(path_.c_str(), 0600), 0);
  FileRegistry registry(path_.string());
  EXPECT_EQ(Read(registry, "JDN"), "1 Key not found or is empty.");
  EXPECT_EQ(Save(registry, "JDN", "1"), "");
  EXPECT_TRUE(fs::is_regular_file(path_));
  EXPECT_EQ(Read(registry, "JDN"), "1");
}

// A save killed between creating its temporary file and renaming it leaves the temporary file
// behind; the next save removes such files, and only those. Every save used to delete the
// user's own registry.txt.backup, .before and .2024ok as well.
TEST_F(FileRegistryTest, SaveRemovesTemporaryFilesOfKilledSaves) {
  fs::create_directories(path_.parent_path());
  struct Row {
    const char* name;
    bool removed;
  };
  const Row rows[] = {
      {"registry.txt.clvt-tmp.a1B2c3", true},  {"registry.txt.clvt-tmp.XXXXXX", true},
      {"registry.txt.clvt-tmp.a1B2c", false},  {"registry.txt.clvt-tmp.a1B2c3d", false},
      {"registry.txt.clvt-tmp.a1-2c3", false}, {"registry.txt.clvt-tmpXa1B2c3", false},
      {"other.txt.clvt-tmp.a1B2c3", false},    {"registry.txt.backup", false},
      {"registry.txt.before", false},          {"registry.txt.2024ok", false},
  };
  for (const Row& row : rows) WriteAll(path_.parent_path() / row.name, "half");
  fs::create_directory(path_.parent_path() / "registry.txt.clvt-tmp.Folder");
  FileRegistry registry(path_.string());
  Save(registry, "JDN", "1");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(fs::exists(path_.parent_path() / row.name), !row.removed);
  }
  EXPECT_TRUE(fs::is_directory(path_.parent_path() / "registry.txt.clvt-tmp.Folder"));
  EXPECT_EQ(Read(registry, "JDN"), "1");
}

// A folder where the file belongs fails the write; a file where its folder belongs, the key.
TEST_F(FileRegistryTest, WhatStandsInTheWayFailsTheSaveVisibly) {
  fs::create_directories(path_);
  FileRegistry registry(path_.string());
  EXPECT_EQ(Read(registry, "JDN"), "1 Key not found or is empty.");
  EXPECT_EQ(Save(registry, "JDN", "1"), "write 29");
  fs::remove_all(folder_);
  fs::create_directories(folder_);
  WriteAll(path_.parent_path(), "not a folder");
  EXPECT_EQ(Save(registry, "JDN", "1"), "key 3");
}

TEST_F(FileRegistryTest, FailedRenameLeavesThePreviousFileIntact) {
  FileRegistry good(path_.string());
  Save(good, "JDN", "2457349");
  const std::string before = ReadAll(path_);

  FileRegistry failing(path_.string(), [](const char*, const char*) {
    errno = EACCES;
    return -1;
  });
  EXPECT_EQ(Save(failing, "JDN", "1"), "write 5");
  EXPECT_EQ(ReadAll(path_), before);
  EXPECT_EQ(Read(good, "JDN"), "2457349");
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(path_.parent_path()), {}), 1);
}

TEST_F(FileRegistryTest, TwoInstancesSavingInTurnKeepBothValues) {
  FileRegistry first(path_.string());
  FileRegistry second(path_.string());
  Save(first, "JDN", "2457349");
  Save(second, "JDN", "2457350");
  Save(first, "Dee", "D");
  Save(second, "BackColor", "4210752");
  EXPECT_EQ(Read(first, "JDN"), "2457350");
  EXPECT_EQ(Read(second, "Dee"), "D");
  EXPECT_EQ(Read(first, "BackColor"), "4210752");
  EXPECT_EQ(ParseRegistryText(ReadAll(path_)).size(), 1u);
}

// A lock held elsewhere (flock -x on the folder, or a copy stopped half-way through its save)
// used to hang the quit for good. The save goes ahead without the lock, and leaves alone the
// temporary file the holder may still be writing.
TEST_F(FileRegistryTest, LockHeldElsewhereDelaysTheSaveOnlyBriefly) {
  fs::create_directories(path_.parent_path());
  const fs::path holdersTemporary = path_.parent_path() / "registry.txt.clvt-tmp.a1B2c3";
  WriteAll(holdersTemporary, "half");
  const int holder = open(path_.parent_path().c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_EQ(flock(holder, LOCK_EX), 0);
  FileRegistry registry(path_.string(), {}, std::chrono::milliseconds(50));
  EXPECT_EQ(Save(registry, "JDN", "1"), "");
  EXPECT_EQ(Read(registry, "JDN"), "1");
  EXPECT_TRUE(fs::exists(holdersTemporary));
  close(holder);
}

// A settings file linked into a folder of dotfiles used to be replaced by a regular file at the
// first save, so later saves never reached the dotfiles.
TEST_F(FileRegistryTest, SymbolicLinkStaysALinkAndWhatItNamesIsSaved) {
  const std::string notFound = "1 Key not found or is empty.";
  struct Row {
    const char* name;
    std::string link;     // what the settings file links to
    const char* status;   // of the save, as Save gives it
    const char* written;  // the file that then holds the values, under the test's folder
    std::string dee;      // what "Dee", stored before the save in dots/registry.txt, reads then
  };
  const Row rows[] = {
      {"relative", "../dots/registry.txt", "", "dots/registry.txt", "D"},
      {"chain", (folder_ / "dots" / "chained").string(), "", "dots/registry.txt", "D"},
      {"dangling", "../dots/new.txt", "", "dots/new.txt", "3 Name not found."},
      {"into a missing folder", "../nowhere/registry.txt", "write 3", nullptr, notFound},
      {"loop", "registry.txt", "key 161", nullptr, notFound},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove_all(folder_);
    fs::create_directories(path_.parent_path());
    fs::create_directories(folder_ / "dots");
    WriteAll(folder_ / "dots" / "registry.txt", kGoodFile);
    fs::create_symlink("registry.txt", folder_ / "dots" / "chained");
    fs::create_symlink(row.link, path_);
    FileRegistry registry(path_.string());
    EXPECT_EQ(Save(registry, "JDN", "1"), row.status);
    std::error_code notALink;
    EXPECT_EQ(fs::read_symlink(path_, notALink), row.link);
    if (row.written != nullptr) {
      EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder_ / row.written)));
    }
    EXPECT_FALSE(fs::exists(folder_ / "nowhere"));
    EXPECT_EQ(Read(registry, "JDN"), row.written != nullptr ? "1" : notFound);
    EXPECT_EQ(Read(registry, "Dee"), row.dee);
  }
}

TEST_F(FileRegistryTest, OtherKeysAndRootsAreKeptApart) {
  fs::create_directories(path_.parent_path());
  WriteAll(path_, kGoodFile +
                      "[HKEY_LOCAL_MACHINE\\Software\\Vostrel Systems\\CLVT]\n"
                      "\"JDN\"=\"7\"\n");
  FileRegistry registry(path_.string());
  EXPECT_EQ(Read(registry, "JDN"), "2457349");
  EXPECT_EQ(Read(registry, "JDN", kHKeyLocalMachine), "7");
  EXPECT_EQ(Save(registry, "JDN", "1", "Bad\nKey"), "key 161");
  EXPECT_EQ(registry.WriteValue(0x12345678, kKey, "JDN", "1").createError, kErrorInvalidHandle);
  Save(registry, "JDN", "8");
  EXPECT_EQ(Read(registry, "JDN", kHKeyLocalMachine), "7");
}

TEST(DefaultRegistryFilePath, FollowsXdgConfigHomeThenHome) {
  const char* home = std::getenv("HOME");
  const std::string savedHome = home != nullptr ? home : "";
  struct Row {
    const char* xdg;
    const char* home;
    const char* path;
  };
  const Row rows[] = {
      {"/tmp/cfg", "/home/u", "/tmp/cfg/calvantis/registry.txt"},
      {nullptr, "/home/u", "/home/u/.config/calvantis/registry.txt"},
      {"relative/cfg", "/home/u", "/home/u/.config/calvantis/registry.txt"},
      {nullptr, nullptr, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.path);
    row.xdg ? setenv("XDG_CONFIG_HOME", row.xdg, 1) : unsetenv("XDG_CONFIG_HOME");
    row.home ? setenv("HOME", row.home, 1) : unsetenv("HOME");
    EXPECT_EQ(DefaultRegistryFilePath(), row.path);
  }
  unsetenv("XDG_CONFIG_HOME");
  if (home != nullptr) setenv("HOME", savedHome.c_str(), 1);
}

}  // namespace
}  // namespace clvt
