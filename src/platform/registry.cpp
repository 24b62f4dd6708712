// The two registry operations over any store: the status texts are composed here once, so the
// Windows registry, the settings file and test fakes all report alike.
#include "platform/registry.h"

#include <utility>

#include "base/ascii_text.h"

namespace clvt {
namespace {

std::string SaveStatus(RegistryApi& registry, const RegistryApi::WriteResult& result) {
  std::string status;
  uint32_t messageCode = result.writeError;
  if (result.createError != kErrorSuccess) {
    status = DecimalText(result.createError) + " Unable to create (or find) key.";
    messageCode = result.createError;
  } else if (result.writeError != kErrorSuccess) {
    status = DecimalText(result.writeError) + " Unable to write value.";
  } else if (result.disposition == RegistryApi::Disposition::Created) {
    status = "0 New key created.";
  } else if (result.disposition == RegistryApi::Disposition::Opened) {
    status = "0 Key already exists.";
  } else {
    status = "0 Key anomaly.";
  }
  return status + "  " + registry.MessageText(messageCode);
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
  WriteResult combined;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const WriteResult one = WriteValue(root, key, values[i].name, values[i].value);
    if (i == 0 || (!Failed(combined) && Failed(one))) {
      const Disposition disposition = i == 0 ? one.disposition : combined.disposition;
      combined = one;
      combined.disposition = disposition;
    }
  }
  return combined;
}

std::vector<RegistryApi::ReadResult> RegistryApi::ReadValues(
    uint32_t root, const std::string& key, const std::vector<std::string>& names) {
  std::vector<ReadResult> results;
  results.reserve(names.size());
  for (const std::string& name : names) results.push_back(ReadValue(root, key, name));
  return results;
}

void StripTrailingControlChars(std::string& text) {
  while (!text.empty() && static_cast<unsigned char>(text.back()) < 32) text.pop_back();
}

std::string SaveToRegistry(RegistryApi& registry, uint32_t root, const std::string& strKey,
                           const std::string& strName, const std::string& strValue) {
  return SaveStatus(registry, registry.WriteValue(root, strKey, strName, strValue));
}

std::string SaveValuesToRegistry(RegistryApi& registry, uint32_t root, const std::string& strKey,
                                 const std::vector<RegistryApi::NamedValue>& values) {
  return SaveStatus(registry, registry.WriteValues(root, strKey, values));
}

std::string RestoreFromRegistry(RegistryApi& registry, uint32_t root, const std::string& strKey,
                                const std::string& strName, std::string& strValue) {
  if (strKey.empty()) return "1 Key not found or is empty.";
  return RestoreStatus(strName, registry.ReadValue(root, strKey, strName), strValue);
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
