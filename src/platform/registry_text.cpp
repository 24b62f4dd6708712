// Parsing and writing the settings file's text; see registry_text.h for the format.
#include "platform/registry_text.h"

#include <algorithm>
#include <array>

#include "base/ascii_text.h"
#include "platform/file_read.h"
#include "platform/registry.h"

namespace clvt {
namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// Compared as unsigned bytes, so that bytes from 0x80 up sort after ASCII.
unsigned char FoldCase(char c) { return static_cast<unsigned char>(UpperCaseLetter(c)); }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

void AppendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '\\' || c == '"') {
      out += '\\';
      out += c;
    } else if (u < 0x20 || u >= 0x7F) {
      out += "\\x";
      out += kHexDigits[u >> 4];
      out += kHexDigits[u & 0xF];
    } else {
      out += c;
    }
  }
  out += '"';
}

// Reads a quoted text starting at line[pos] == '"'; pos ends after the closing quote.
std::optional<std::string> ReadQuoted(std::string_view line, std::size_t& pos) {
  if (pos >= line.size() || line[pos] != '"') return std::nullopt;
  std::string text;
  for (++pos; pos < line.size(); ++pos) {
    const char c = line[pos];
    if (c == '"') {
      ++pos;
      return text;
    }
    if (c != '\\') {
      text += c;
      continue;
    }
    if (++pos >= line.size()) return std::nullopt;
    const char escaped = line[pos];
    if (escaped == '\\' || escaped == '"') {
      text += escaped;
    } else if (escaped == 'x' && pos + 2 < line.size() && HexValue(line[pos + 1]) >= 0 &&
               HexValue(line[pos + 2]) >= 0) {
      text += static_cast<char>(HexValue(line[pos + 1]) * 16 + HexValue(line[pos + 2]));
      pos += 2;
    } else {
      return std::nullopt;
    }
  }
  return std::nullopt;  // no closing quote: a truncated line
}

void SkipBlanks(std::string_view line, std::size_t& pos) {
  while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
}

// "name"="value" with optional blanks around "=" and after the value.
bool ParseValueLine(std::string_view line, std::string& name, std::string& value) {
  std::size_t pos = 0;
  auto quotedName = ReadQuoted(line, pos);
  if (!quotedName) return false;
  SkipBlanks(line, pos);
  if (pos >= line.size() || line[pos] != '=') return false;
  ++pos;
  SkipBlanks(line, pos);
  auto quotedValue = ReadQuoted(line, pos);
  if (!quotedValue) return false;
  SkipBlanks(line, pos);
  if (pos != line.size()) return false;
  name = std::move(*quotedName);
  value = std::move(*quotedValue);
  return true;
}

}  // namespace

bool CaseInsensitiveLess::operator()(std::string_view a, std::string_view b) const {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return FoldCase(x) < FoldCase(y); });
}

RegistryKeys ParseRegistryText(std::string_view text) {
  text = WithoutByteOrderMark(text);
  RegistryKeys keys;
  RegistryValues* current = nullptr;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (std::any_of(line.begin(), line.end(),
                    [](char c) { return IsAsciiControl(c) && c != '\t'; })) {
      continue;  // binary bytes: not ours
    }
    if (line.front() == '[') {
      if (line.size() < 2 || line.back() != ']') {
        current = nullptr;  // a broken key line: its values must not land under another key
        continue;
      }
      current = &keys[std::string(line.substr(1, line.size() - 2))];
      continue;
    }
    std::string name;
    std::string value;
    if (current != nullptr && ParseValueLine(line, name, value)) {
      (*current)[std::move(name)] = std::move(value);
    }
  }
  return keys;
}

std::string RegistryText(const RegistryKeys& keys) {
  std::string out =
      "; Calvantis settings, rewritten whenever the program saves them.\n"
      "; [root\\key] starts a key, \"name\"=\"value\" lines give its values; inside quotes\n"
      "; \\\\ is a backslash, \\\" a quote and \\xHH any other byte.\n";
  for (const auto& [key, values] : keys) {
    out += "\n[";
    out += key;
    out += "]\n";
    for (const auto& [name, value] : values) {
      AppendQuoted(out, name);
      out += '=';
      AppendQuoted(out, value);
      out += '\n';
    }
  }
  return out;
}

std::optional<std::string> FullKeyPath(uint32_t root, std::string_view key) {
  static constexpr std::array<const char*, 4> kRootNames = {
      "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS"};
  if (root < kHKeyClassesRoot || root > kHKeyUsers) return std::nullopt;
  std::string path = kRootNames[root - kHKeyClassesRoot];
  if (!key.empty()) {
    path += '\\';
    path += key;
  }
  return path;
}

bool KeyPathWritable(std::string_view key) {
  return std::none_of(key.begin(), key.end(), IsAsciiControl);
}

}  // namespace clvt
