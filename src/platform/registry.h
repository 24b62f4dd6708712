#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// String values under keys of the current user's settings hive, and the restore of several
// values of one key with a status text per value. The status texts are the same on every
// system; only the store behind them differs: the Windows registry on Windows, a text file
// under $XDG_CONFIG_HOME elsewhere (registry_file.h).
namespace clvt {

// Predefined root key handles, as the Windows API numbers them.
enum RootKey : uint32_t {
  kHKeyClassesRoot = 0x80000000,
  kHKeyCurrentUser = 0x80000001,
  kHKeyLocalMachine = 0x80000002,
  kHKeyUsers = 0x80000003,
};

// System error codes the stores report (the Windows numbering, so that both stores agree).
enum SystemError : uint32_t {
  kErrorSuccess = 0,
  kErrorFileNotFound = 2,
  kErrorPathNotFound = 3,
  kErrorAccessDenied = 5,
  kErrorInvalidHandle = 6,
  kErrorWriteFault = 29,
  kErrorReadFault = 30,
  kErrorDiskFull = 112,
  kErrorBadPathname = 161,
};

// What a store offers: the few registry calls the settings are saved and restored with.
class RegistryApi {
 public:
  struct WriteResult {
    uint32_t createError = kErrorSuccess;  // creating or opening the key
    uint32_t writeError = kErrorSuccess;   // writing the value (only tried when created)
    friend bool operator==(const WriteResult&, const WriteResult&) = default;
  };

  struct ReadResult {
    bool keyFound = false;
    uint32_t sizeError = kErrorSuccess;  // asking for the value's size
    uint32_t readError = kErrorSuccess;  // reading the value's bytes
    std::string data;                    // the bytes read, a terminating zero included if stored
  };

  struct NamedValue {
    std::string name;
    std::string value;
  };

  virtual ~RegistryApi() = default;

  // Creates or opens root\key and sets name to the string value.
  virtual WriteResult WriteValue(uint32_t root, const std::string& key, const std::string& name,
                                 const std::string& value) = 0;

  // Opens root\key for reading and, when name is not empty, reads that value.
  virtual ReadResult ReadValue(uint32_t root, const std::string& key, const std::string& name) = 0;

  // Creates or opens root\key and sets every name to its value. The settings file writes
  // them in one replacement of the file, so either all of them or none are stored; the default
  // writes them one by one with WriteValue and reports the first failure.
  virtual WriteResult WriteValues(uint32_t root, const std::string& key,
                                  const std::vector<NamedValue>& values);

  // ReadValue for each of names, from one reading of the key (the settings file is read
  // once); one result per name, in the order given. The default asks ReadValue for each.
  virtual std::vector<ReadResult> ReadValues(uint32_t root, const std::string& key,
                                             const std::vector<std::string>& names);
};

// The store of this system: the Windows registry, or the settings file of registry_file.h.
std::unique_ptr<RegistryApi> MakePlatformRegistry();

// What a restore gives for one name: its status and the value's text ("" when no data was
// read).
struct RestoredValue {
  std::string status;
  std::string value;
};

// Reads each of names under root\strKey, from one reading of the key: one status and value
// per name, in the order given. Statuses: "0 OK" (value = the text, trailing control
// characters removed), "0 Empty value", "1 Key not found or is empty." (also for an empty
// strKey), "2 Name not specified.", "3 Name not found." or "4 Unable to read value.". Success
// is decided by the read's result code, so the outcome does not depend on the language of the
// system's messages.
std::vector<RestoredValue> RestoreValuesFromRegistry(RegistryApi& registry, uint32_t root,
                                                     const std::string& strKey,
                                                     const std::vector<std::string>& names);

// The exact status the main window looks for.
inline constexpr const char* kRestoreOK = "0 OK";

}  // namespace clvt
