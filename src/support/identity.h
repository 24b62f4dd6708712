#pragma once

#include <cstdint>
#include <string>

// The program's identity: maker, project, product and version, and the main window's caption
// built from them.
namespace clvt {

// The main window's starting background colour, purple (red 128, green 0, blue 128) as
// 0x00BBGGRR: what a first start shows, what the stored setting falls back to, and where the
// colour cycle starts again.
inline constexpr uint32_t kDefaultBackColor = 0x800080;

// The maker's name: program text 310, "Vostrel Systems"; "" while no program text is loaded.
std::string strCompanyName();
// "CLVT".
std::string strProjectName();
// "Calvantor".
std::string strProductName();
// Major and minor number of the program's version and the fixed digit 2: "6.42" for 6.4.
std::string strVersion();

// VersionText(6, 4) -> "6.42"; negative numbers are written with their sign.
std::string VersionText(int major, int minor);

// The main window's caption: product name, a blank, version ("Calvantor 6.42").
std::string MainCaption();

}  // namespace clvt
