#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// The text form of the settings file that stands in for the registry where there is none,
// kept apart from the file handling so that any text, however damaged, can be tried on it:
//
//   [HKEY_CURRENT_USER\Software\Vostrel Systems\CLVT]
//   "BackColor"="8388736"
//   "JDN"="2457349"
//
// A line "[root\key]" starts a key; "name"="value" lines give its string values. Inside the
// quotes \\ is a backslash, \" a quote and \xHH any byte (written for control bytes and bytes
// from 0x7F up, so the file stays plain ASCII). Blank lines and lines starting with ";" or "#"
// are comments. Key and value names are compared without regard to ASCII case, as the
// registry does.
namespace clvt {

struct CaseInsensitiveLess {
  bool operator()(std::string_view a, std::string_view b) const;
};

using RegistryValues = std::map<std::string, std::string, CaseInsensitiveLess>;
using RegistryKeys = std::map<std::string, RegistryValues, CaseInsensitiveLess>;

// Every key and value that can be read from text. Lines that do not follow the form (a
// truncated last line, binary bytes, hand edits gone wrong, values before any key) are
// skipped, so any text yields a usable, possibly empty, result. A leading UTF-8 byte order
// mark and "\r\n" line ends are accepted.
RegistryKeys ParseRegistryText(std::string_view text);

// The file text for keys: a short heading comment, then each key and its values, sorted.
// ParseRegistryText(RegistryText(keys)) == keys for every key path KeyPathWritable accepts.
std::string RegistryText(const RegistryKeys& keys);

// "HKEY_CURRENT_USER\<key>" (just the root's name for an empty key), or nothing for a root
// handle that is not one of the four predefined roots of registry.h.
std::optional<std::string> FullKeyPath(uint32_t root, std::string_view key);

// False for key paths that cannot stand on a "[...]" line: control bytes and line ends.
bool KeyPathWritable(std::string_view key);

}  // namespace clvt
