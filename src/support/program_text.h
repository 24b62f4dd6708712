#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/message.h"

// The numbered program texts (captions, addresses, the help file name, parts of the settings
// path), loaded once at start-up from the program text file beside the executable.
namespace clvt {

// Loads strFilename ("clvt.dat") from the first of DataFilePlaces that can be opened. Returns
// std::nullopt when texts were loaded, else the message to show (critical icon, no title)
// before the program ends; when no place could be opened, it names every place, one a line.
std::optional<Message> LoadProgramText(const std::string& strFilename);

// The message for a load result n of the text library: std::nullopt for n >= 1; for example
// -1 gives "Cannot open file containing program text.\r\n" + path, -501 "Missing string at
// line 1.", -5 "Error -5". Any int32_t. For -1, path may be several paths, one a line.
std::optional<Message> LoadFailureMessage(int32_t n, const std::string& path);

// Text intNumber of language 0; "" when there is none or it is the empty-text marker "~".
std::string GetText(int16_t intNumber);

}  // namespace clvt
