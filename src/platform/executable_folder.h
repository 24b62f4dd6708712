#pragma once

#include <string>
#include <string_view>

// Where the program's data files are: beside the executable while it runs from its build
// folder, or under ../share/calvantis/ beside bin/ once installed.
namespace clvt {

// The folder of the running executable, without a final separator ("/usr/bin"); "" when the
// operating system cannot tell.
std::string ExecutableFolder();

// folder and name joined by the native separator, with none added when folder already ends
// in '/' or '\\' (a root such as "/" or "C:\\"), and none at all when folder is "".
// JoinPath("/usr/bin", "clvt.dat") -> "/usr/bin/clvt.dat"; JoinPath("C:\\", "a") -> "C:\\a".
std::string JoinPath(std::string_view folder, std::string_view name);

// The data file name for an executable in folder: folder/name when that exists, else
// folder/../share/calvantis/name when that exists, else folder/name (which then names the
// missing file in messages).
std::string DataFilePathIn(std::string_view folder, std::string_view name);

// DataFilePathIn(ExecutableFolder(), name).
std::string DataFilePath(std::string_view name);

}  // namespace clvt
