#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry.h"

// A settings store for tests: the values of one key in memory (roots and key names are not
// told apart); the key exists while it holds a value. Counts how often the key is written and
// read, whether for one value or several.
namespace clvt {

class MemoryRegistry : public RegistryApi {
 public:
  explicit MemoryRegistry(std::map<std::string, std::string> stored = {})
      : values(std::move(stored)) {}
  std::map<std::string, std::string> values;
  int keyWrites = 0;
  int keyReads = 0;

  WriteResult WriteValue(uint32_t, const std::string&, const std::string& name,
                         const std::string& value) override {
    values[name] = value;
    return {};
  }
  WriteResult WriteValues(uint32_t root, const std::string& key,
                          const std::vector<NamedValue>& named) override {
    ++keyWrites;
    return RegistryApi::WriteValues(root, key, named);
  }
  ReadResult ReadValue(uint32_t, const std::string&, const std::string& name) override {
    ReadResult result;
    result.keyFound = !values.empty();
    const auto found = values.find(name);
    if (found == values.end()) result.sizeError = kErrorFileNotFound;
    if (found != values.end()) result.data = found->second + '\0';
    return result;
  }
  std::vector<ReadResult> ReadValues(uint32_t root, const std::string& key,
                                     const std::vector<std::string>& names) override {
    ++keyReads;
    return RegistryApi::ReadValues(root, key, names);
  }
};

}  // namespace clvt
