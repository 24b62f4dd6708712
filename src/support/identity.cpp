// The identity values. The version numbers come from the build (the project's version).
#include "support/identity.h"

#include "base/ascii_text.h"
#include "support/program_text.h"

#ifndef CLVT_VERSION_MAJOR
#error "CLVT_VERSION_MAJOR and CLVT_VERSION_MINOR come from the build"
#endif

namespace clvt {
namespace {

constexpr int16_t kCompanyNameText = 310;

}  // namespace

std::string strCompanyName() { return GetText(kCompanyNameText); }
std::string strProjectName() { return "CLVT"; }
std::string strProductName() { return "Calvantor"; }
std::string strVersion() { return VersionText(CLVT_VERSION_MAJOR, CLVT_VERSION_MINOR); }

std::string VersionText(int major, int minor) {
  return DecimalText(major) + "." + DecimalText(minor) + "2";
}

std::string MainCaption() { return strProductName() + " " + strVersion(); }

}  // namespace clvt
