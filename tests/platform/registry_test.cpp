// The restore's status texts and the write of several values over a scripted store, and a
// round trip through this system's own store (the Windows registry under Windows or Wine, the
// settings file elsewhere).
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

// Answers every call with the outcome a test sets.
class ScriptedRegistry : public RegistryApi {
 public:
  WriteResult write;
  ReadResult read;
  WriteResult WriteValue(uint32_t, const std::string&, const std::string&,
                         const std::string&) override {
    return write;
  }
  ReadResult ReadValue(uint32_t, const std::string&, const std::string&) override { return read; }
};

TEST(RestoreValuesFromRegistry, StatusFollowsResultCodes) {
  struct Row {
    const char* name;
    std::string key, valueName;
    RegistryApi::ReadResult read;
    const char* status;
    const char* value;
  };
  const Row rows[] = {
      {"empty key", "", "JDN", {true, 0, 0, "1"}, "1 Key not found or is empty.", ""},
      {"no key", "K", "JDN", {false, 0, 0, ""}, "1 Key not found or is empty.", ""},
      {"empty name", "K", "", {true, 0, 0, ""}, "2 Name not specified.", ""},
      {"name missing", "K", "JDN", {true, 2, 0, ""}, "3 Name not found.", ""},
      {"gone between calls", "K", "JDN", {true, 0, 2, ""}, "3 Name not found.", ""},
      {"read fails", "K", "JDN", {true, 0, 234, ""}, "4 Unable to read value.", ""},
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
    const std::vector<RestoredValue> restored =
        RestoreValuesFromRegistry(registry, kHKeyCurrentUser, row.key, {row.valueName});
    ASSERT_EQ(restored.size(), 1u);
    EXPECT_EQ(restored[0].status, row.status);
    EXPECT_EQ(restored[0].value, row.value);
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
    return {0, written.size() == failing_ ? 112u : 0u};
  }

 private:
  uint32_t failing_;
};

// A store without a write of several values at once (the Windows registry) writes them one by
// one and reports the first failure, so a failed write never reads as success.
TEST(RegistryApi, WriteValuesOneByOneReportsTheFirstFailure) {
  for (const uint32_t failing : {0u, 2u, 3u}) {
    SCOPED_TRACE(failing);
    FailingNthWrite store(failing);
    const RegistryApi::WriteResult result =
        store.WriteValues(kHKeyCurrentUser, "K", {{"A", "1"}, {"B", "2"}, {"C", "3"}});
    EXPECT_EQ(result, (RegistryApi::WriteResult{0, failing == 0 ? 0u : 112u}));
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
  const auto restore = [this](const std::vector<std::string>& names) {
    std::string all;
    for (const RestoredValue& r :
         RestoreValuesFromRegistry(*registry_, kHKeyCurrentUser, key_, names)) {
      all += r.status + " " + r.value + "|";
    }
    return all;
  };
  EXPECT_EQ(restore({"JDN"}), "1 Key not found or is empty. |");
  EXPECT_EQ(registry_->WriteValue(kHKeyCurrentUser, key_, "JDN", "1"), RegistryApi::WriteResult{});
  EXPECT_EQ(registry_->WriteValues(
                kHKeyCurrentUser, key_,
                {{"JDN", "2457349"}, {"CalNdx", "-2"}, {"Dee", "D"}, {"BackColor", "8388736"}}),
            RegistryApi::WriteResult{});
  EXPECT_EQ(restore({"JDN", "Colour", "Dee", "CalNdx", "BackColor"}),
            "0 OK 2457349|3 Name not found. |0 OK D|0 OK -2|0 OK 8388736|");
}

}  // namespace
}  // namespace clvt
