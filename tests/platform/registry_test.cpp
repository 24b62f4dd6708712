// The registry operations' status texts over a scripted store, and a round trip through this
// system's own store (the Windows registry under Windows or Wine, the settings file elsewhere).
#include "platform/registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace clvt {
namespace {

// Answers every call with the outcome a test sets, and gives messages in a language that is
// neither English nor German.
class ScriptedRegistry : public RegistryApi {
 public:
  WriteResult write;
  ReadResult read;
  WriteResult WriteValue(uint32_t, const std::string&, const std::string&,
                         const std::string&) override {
    return write;
  }
  ReadResult ReadValue(uint32_t, const std::string&, const std::string&) override { return read; }
  std::string MessageText(uint32_t code) override {
    return code == 0 ? "Operazione completata.\r\n" : "Errore " + std::to_string(code) + "\r\n";
  }
};

TEST(SaveToRegistry, StatusFollowsTheKeyAndTheWrite) {
  using D = RegistryApi::Disposition;
  struct Row {
    const char* name;
    RegistryApi::WriteResult write;
    const char* status;
  };
  const Row rows[] = {
      {"created", {0, D::Created, 0}, "0 New key created.  Operazione completata.\r\n"},
      {"opened", {0, D::Opened, 0}, "0 Key already exists.  Operazione completata.\r\n"},
      {"other", {0, D::Other, 0}, "0 Key anomaly.  Operazione completata.\r\n"},
      {"no key", {5, D::Other, 0}, "5 Unable to create (or find) key.  Errore 5\r\n"},
      // A failed value write used to be reported as "0 Key already exists." with only the
      // message text telling otherwise.
      {"write fails", {0, D::Opened, 112}, "112 Unable to write value.  Errore 112\r\n"},
      {"write fails, new key", {0, D::Created, 5}, "5 Unable to write value.  Errore 5\r\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ScriptedRegistry registry;
    registry.write = row.write;
    EXPECT_EQ(SaveToRegistry(registry, kHKeyCurrentUser, "Software\\X", "JDN", "1"), row.status);
  }
}

TEST(RestoreFromRegistry, StatusFollowsResultCodesNotMessageLanguage) {
  struct Row {
    const char* name;
    std::string key, valueName;
    RegistryApi::ReadResult read;
    const char* status;
    const char* value;  // strValue afterwards, starting from "old"
  };
  const Row rows[] = {
      {"empty key", "", "JDN", {true, 0, 0, "1"}, "1 Key not found or is empty.", "old"},
      {"empty name", "K", "", {true, 0, 0, ""}, "2 Name not specified.", "old"},
      {"name missing", "K", "JDN", {true, 2, 0, ""}, "3 Name not found.", "old"},
      {"gone between calls", "K", "JDN", {true, 0, 2, ""}, "3 Name not found.", "old"},
      {"read fails", "K", "JDN", {true, 0, 234, ""}, "4 Unable to read value.", "old"},
      {"empty value", "K", "JDN", {true, 0, 0, ""}, "0 Empty value", ""},
      // Success used to be recognised by the English or German message text, so on any other
      // system nothing was ever restored.
      {"value", "K", "JDN", {true, 0, 0, std::string("2457349\0", 8)}, "0 OK", "2457349"},
      {"inner blanks kept", "K", "JDN", {true, 0, 0, " D C\r\n"}, "0 OK", " D C"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ScriptedRegistry registry;
    registry.read = row.read;
    std::string value = "old";
    EXPECT_EQ(RestoreFromRegistry(registry, kHKeyCurrentUser, row.key, row.valueName, value),
              row.status);
    EXPECT_EQ(value, row.value);
  }
}

// Records the names written; the write numbered `failing` (from 1) fails with error 112.
class FailingNthWrite : public ScriptedRegistry {
 public:
  explicit FailingNthWrite(uint32_t failing) : failing_(failing) {}
  std::vector<std::string> written;
  WriteResult WriteValue(uint32_t, const std::string&, const std::string& name,
                         const std::string&) override {
    written.push_back(name);
    const bool first = written.size() == 1;
    return {0, first ? Disposition::Created : Disposition::Opened,
            written.size() == failing_ ? 112u : 0u};
  }

 private:
  uint32_t failing_;
};

// A store without a write of several values at once (the Windows registry) writes them one by
// one; the batch reports the first write's key disposition and the first failure, so a failed
// write never reads as success.
TEST(SaveValuesToRegistry, OneByOneReportsTheFirstFailure) {
  struct Row {
    const char* name;
    uint32_t failing;
    const char* status;
  };
  const Row rows[] = {
      {"all written", 0, "0 New key created.  Operazione completata.\r\n"},
      {"second fails", 2, "112 Unable to write value.  Errore 112\r\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    FailingNthWrite store(row.failing);
    EXPECT_EQ(
        SaveValuesToRegistry(store, kHKeyCurrentUser, "K", {{"A", "1"}, {"B", "2"}, {"C", "3"}}),
        row.status);
    EXPECT_EQ(store.written, (std::vector<std::string>{"A", "B", "C"}));
  }
}

// This system's store, under a key of its own that is removed afterwards.
class PlatformRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
#ifdef _WIN32
    key_ = "Software\\Calvantis Tests\\" + std::to_string(GetCurrentProcessId());
#else
    folder_ =
        std::filesystem::temp_directory_path() / ("clvt-registry-test-" + std::to_string(getpid()));
    std::filesystem::remove_all(folder_);
    setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
    key_ = "Software\\Vostrel Systems\\CLVT";
#endif
    registry_ = MakePlatformRegistry();
  }
  void TearDown() override {
#ifdef _WIN32
    RegDeleteTreeA(HKEY_CURRENT_USER, key_.c_str());
#else
    std::filesystem::remove_all(folder_);
    unsetenv("XDG_CONFIG_HOME");
#endif
  }

  std::string key_;
  std::filesystem::path folder_;
  std::unique_ptr<RegistryApi> registry_;
};

TEST_F(PlatformRegistryTest, ValuesRoundTripOneAtATimeAndSeveralAtOnce) {
  std::string read = "old";
  EXPECT_EQ(RestoreFromRegistry(*registry_, kHKeyCurrentUser, key_, "JDN", read),
            "1 Key not found or is empty.");
  const std::string created = SaveToRegistry(*registry_, kHKeyCurrentUser, key_, "JDN", "1");
  EXPECT_EQ(created.rfind("0 New key created.  ", 0), 0u) << created;
  const std::string opened = SaveValuesToRegistry(
      *registry_, kHKeyCurrentUser, key_,
      {{"JDN", "2457349"}, {"CalNdx", "-2"}, {"Dee", "D"}, {"BackColor", "8388736"}});
  EXPECT_EQ(opened.rfind("0 Key already exists.  ", 0), 0u) << opened;
  EXPECT_EQ(RestoreFromRegistry(*registry_, kHKeyCurrentUser, key_, "BackColor", read), "0 OK");
  EXPECT_EQ(read, "8388736");
  std::string all;
  for (const RestoredValue& r : RestoreValuesFromRegistry(*registry_, kHKeyCurrentUser, key_,
                                                          {"JDN", "Colour", "Dee", "CalNdx"})) {
    all += r.status + " " + r.value + "|";
  }
  EXPECT_EQ(all, "0 OK 2457349|3 Name not found. |0 OK D|0 OK -2|");
}

#ifndef _WIN32
TEST_F(PlatformRegistryTest, MessagesAreTheSystemsEnglishTexts) {
  EXPECT_EQ(SaveToRegistry(*registry_, 0x12345678, key_, "Dee", "D"),
            "6 Unable to create (or find) key.  The handle is invalid.\r\n");
  EXPECT_EQ(registry_->MessageText(2), "The system cannot find the file specified.\r\n");
}
#endif

}  // namespace
}  // namespace clvt
