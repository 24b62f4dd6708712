// The executable's folder from the operating system, and the two places its data may lie.
#include "platform/executable_folder.h"

#include <filesystem>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

namespace clvt {
namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

bool Exists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(path, ignored);
}

}  // namespace

std::string ExecutableFolder() {
#ifdef _WIN32
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  std::string path(buffer, length);
#else
  std::error_code error;
  const std::string path = std::filesystem::read_symlink("/proc/self/exe", error).string();
  if (error) return {};
#endif
  const std::size_t last = path.find_last_of("/\\");
  if (last == std::string::npos) return {};
  // Keep the separator of a root folder ("/", "C:\") so that it still names the root.
  return path.substr(0, last == 0 || (last == 2 && path[1] == ':') ? last + 1 : last);
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string joined(folder);
  if (!joined.empty() && joined.back() != '/' && joined.back() != '\\') {
    joined += kSeparator;
  }
  joined += name;
  return joined;
}

std::vector<std::string> DataFilePlacesIn(std::string_view folder, std::string_view name) {
  const std::string shared =
      JoinPath(JoinPath(JoinPath(JoinPath(folder, ".."), "share"), "calvantis"), name);
  return {JoinPath(folder, name), std::filesystem::path(shared).lexically_normal().string()};
}

std::string DataFilePathIn(std::string_view folder, std::string_view name) {
  std::vector<std::string> places = DataFilePlacesIn(folder, name);
  for (std::string& place : places) {
    if (Exists(place)) return std::move(place);
  }
  return std::move(places.front());
}

std::vector<std::string> DataFilePlaces(std::string_view name) {
  return DataFilePlacesIn(ExecutableFolder(), name);
}

std::string DataFilePath(std::string_view name) { return DataFilePathIn(ExecutableFolder(), name); }

}  // namespace clvt
