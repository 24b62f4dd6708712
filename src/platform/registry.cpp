// The two registry operations over any store: the status texts are composed here once, so the
// Windows registry, the settings file and test fakes all report alike.
#include "platform/registry.h"

#include <charconv>
#include <utility>

namespace clvt {
namespace {

std::string Decimal(uint32_t value) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

void StripTrailingControlChars(std::string& text) {
  while (!text.empty() && static_cast<unsigned char>(text.back()) < 32) text.pop_back();
}

std::string SaveToRegistry(RegistryApi& registry, uint32_t root, std::string strKey,
                           std::string strName, std::string strValue) {
  const RegistryApi::WriteResult result = registry.WriteValue(root, strKey, strName, strValue);
  std::string status;
  uint32_t messageCode = result.writeError;
  if (result.createError != kErrorSuccess) {
    status = Decimal(result.createError) + " Unable to create (or find) key.";
    messageCode = result.createError;
  } else if (result.writeError != kErrorSuccess) {
    status = Decimal(result.writeError) + " Unable to write value.";
  } else if (result.disposition == RegistryApi::Disposition::Created) {
    status = "0 New key created.";
  } else if (result.disposition == RegistryApi::Disposition::Opened) {
    status = "0 Key already exists.";
  } else {
    status = "0 Key anomaly.";
  }
  return status + "  " + registry.MessageText(messageCode);
}

std::string RestoreFromRegistry(RegistryApi& registry, uint32_t root, std::string strKey,
                                std::string strName, std::string& strValue) {
  if (strKey.empty()) return "1 Key not found or is empty.";
  RegistryApi::ReadResult result = registry.ReadValue(root, strKey, strName);
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

}  // namespace clvt
