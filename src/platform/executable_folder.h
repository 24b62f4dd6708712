#pragma once

#include <string>
#include <string_view>
#include <vector>

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

// The places a data file is looked for by an executable in folder, in order: beside it
// (folder/name), then where an installed program keeps it (folder/../share/calvantis/name,
// written without the "..").
std::vector<std::string> DataFilePlacesIn(std::string_view folder, std::string_view name);

// The first of DataFilePlacesIn(folder, name) that exists, else the first (which then names
// the missing file in messages).
std::string DataFilePathIn(std::string_view folder, std::string_view name);

// DataFilePlacesIn and DataFilePathIn for the running executable's folder.
std::vector<std::string> DataFilePlaces(std::string_view name);
std::string DataFilePath(std::string_view name);

}  // namespace clvt
