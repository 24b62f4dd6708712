// The restore over any store: its status texts are composed here once, so the Windows
// registry, the settings file and test fakes all report alike.
#include "platform/registry.h"

#include <utility>

namespace clvt {
namespace {

// Removes trailing characters with codes below 32 (the terminating zero of stored strings).
void StripTrailingControlChars(std::string& text) {
  while (!text.empty() && static_cast<unsigned char>(text.back()) < 32) text.pop_back();
}

// The status of a read of strName from a key that is not empty; strValue receives the data
// when it was read.
std::string RestoreStatus(const std::string& strName, RegistryApi::ReadResult result,
                          std::string& strValue) {
  if (!result.keyFound) return "1 Key not found or is empty.";
  if (strName.empty()) return "2 Name not specified.";
  if (result.sizeError != kErrorSuccess) return "3 Name not found.";
  if (result.readError == kErrorFileNotFound) return "3 Name not found.";
  if (result.readError != kErrorSuccess) return "4 Unable to read value.";
  strValue = std::move(result.data);
  StripTrailingControlChars(strValue);
  if (strValue.empty()) return "0 Empty value";
  return kRestoreOK;
}

bool Failed(const RegistryApi::WriteResult& result) {
  return result.createError != kErrorSuccess || result.writeError != kErrorSuccess;
}

}  // namespace

RegistryApi::WriteResult RegistryApi::WriteValues(uint32_t root, const std::string& key,
                                                  const std::vector<NamedValue>& values) {
  WriteResult first;
  for (const NamedValue& named : values) {
    const WriteResult one = WriteValue(root, key, named.name, named.value);
    if (!Failed(first)) first = one;
  }
  return first;
}

std::vector<RegistryApi::ReadResult> RegistryApi::ReadValues(
    uint32_t root, const std::string& key, const std::vector<std::string>& names) {
  std::vector<ReadResult> results;
  results.reserve(names.size());
  for (const std::string& name : names) results.push_back(ReadValue(root, key, name));
  return results;
}

std::vector<RestoredValue> RestoreValuesFromRegistry(RegistryApi& registry, uint32_t root,
                                                     const std::string& strKey,
                                                     const std::vector<std::string>& names) {
  std::vector<RestoredValue> restored(names.size());
  std::vector<RegistryApi::ReadResult> reads;
  if (!strKey.empty()) reads = registry.ReadValues(root, strKey, names);
  reads.resize(names.size());  // a key that could not be read: every name not found
  for (std::size_t i = 0; i < names.size(); ++i) {
    restored[i].status = RestoreStatus(names[i], std::move(reads[i]), restored[i].value);
  }
  return restored;
}

}  // namespace clvt
