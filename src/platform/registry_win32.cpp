// The registry store on Windows: the real registry through its ANSI calls.
#include "platform/registry.h"

#include <windows.h>

#include <vector>

namespace clvt {
namespace {

// Root handles are sign-extended 32-bit values; a zero-extended 0x80000001 would be a
// different, invalid handle on 64-bit Windows.
HKEY RootHandle(uint32_t root) {
  const auto extended = static_cast<LONG_PTR>(static_cast<LONG>(root));
  return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(extended));
}

// Registry values are limited to about 1 MB; a reported size beyond this is not trusted.
constexpr DWORD kMaxValueBytes = 4u << 20;

class Win32Registry : public RegistryApi {
 public:
  WriteResult WriteValue(uint32_t root, const std::string& key, const std::string& name,
                         const std::string& value) override {
    WriteResult result;
    HKEY handle = nullptr;
    const LONG created =
        RegCreateKeyExA(RootHandle(root), key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &handle, nullptr);
    if (created != ERROR_SUCCESS) {
      result.createError = static_cast<uint32_t>(created);
      return result;
    }
    // The stored size includes the terminating zero, as string values are documented to.
    const LONG written = RegSetValueExA(handle, name.c_str(), 0, REG_SZ,
                                        reinterpret_cast<const BYTE*>(value.c_str()),
                                        static_cast<DWORD>(value.size() + 1));
    result.writeError = static_cast<uint32_t>(written);
    RegCloseKey(handle);
    return result;
  }

  ReadResult ReadValue(uint32_t root, const std::string& key, const std::string& name) override {
    ReadResult result;
    HKEY handle = nullptr;
    if (RegOpenKeyExA(RootHandle(root), key.c_str(), 0, KEY_QUERY_VALUE, &handle) !=
            ERROR_SUCCESS ||
        handle == nullptr) {
      return result;
    }
    result.keyFound = true;
    if (!name.empty()) Query(handle, name, result);
    RegCloseKey(handle);
    return result;
  }

 private:
  static void Query(HKEY handle, const std::string& name, ReadResult& result) {
    DWORD size = 0;
    const LONG sized = RegQueryValueExA(handle, name.c_str(), nullptr, nullptr, nullptr, &size);
    if (sized != ERROR_SUCCESS) {
      result.sizeError = static_cast<uint32_t>(sized);
      return;
    }
    if (size > kMaxValueBytes) {
      result.readError = ERROR_MORE_DATA;
      return;
    }
    std::vector<char> buffer(size + 1, ' ');
    const LONG read = RegQueryValueExA(handle, name.c_str(), nullptr, nullptr,
                                       reinterpret_cast<BYTE*>(buffer.data()), &size);
    result.readError = static_cast<uint32_t>(read);
    if (read == ERROR_SUCCESS && size != 0) result.data.assign(buffer.data(), size);
  }
};

}  // namespace

std::unique_ptr<RegistryApi> MakePlatformRegistry() { return std::make_unique<Win32Registry>(); }

}  // namespace clvt
