#pragma once

#include <string>
#include <string_view>

#include "platform/message_box.h"
#include "platform/shell.h"

// Opening a web page or a file with the program the desktop associates with it, and the
// message that explains a failed launch to the user.
namespace clvt {

// The online user manual's address as program text 15 holds it, without its scheme
// ("www.x.example/manual", as the manual link's tooltip shows it); "" when text 15 is missing.
std::string ManualAddressWithoutScheme();

// The online user manual's address: "http://" and ManualAddressWithoutScheme().
std::string OnlineUserManualAddress();

// The maker's web site is the host of the manual's address, so that the two are spelled
// alike: "www.x.example" for program text 15 "www.x.example/manual" (MakerWebHost, shown
// beside the maker's name) and "http://www.x.example/" (MakerWebSite, opened). Both are ""
// when text 15 is missing.
std::string MakerWebHost();
std::string MakerWebSite();

// The extension of the last part of a path: the text after the last period of what follows
// the last backslash (or of the whole path when it has none), lower-cased when lowerCase;
// "" when that part has no period. "C:\\Docs\\Help.TXT" -> "TXT" (or "txt");
// "http://www.x.com/" -> "com/", since a web address has no backslash.
std::string GetFileExtension(std::string_view path, bool lowerCase);

// The message for a launch that returned code r (32 or less): "Error launching web browser,
// error code = 31." and, for 31, 8 and 2, an empty line, an explanation (naming ext for 31)
// and a line saying what the user can do about it.
Message WebLinkFailureMessage(int r, std::string_view ext);

// Starts opening strTarget through shell and returns without waiting for it; a failure shows
// WebLinkFailureMessage through messages when shell reports it (at once, or from a later
// shell.Poll()), so messages must outlive shell's pending openers.
void OpenWebLink(const std::string& strTarget, Shell& shell, MessageBoxes& messages);

}  // namespace clvt
