#include "support/web_link.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "doubles/recording_message_boxes.h"
#include "doubles/recording_shell.h"
#include "platform/brevik/brevik.h"
#include "support/scratch_dir.h"

namespace clvt {
namespace {

TEST(GetFileExtension, TakesTheTextAfterTheLastPeriodOfTheLastPart) {
  struct Case {
    const char* path;
    bool lowerCase;
    const char* expected;
  } const cases[] = {
      {"http://www.x.com/", true, "com/"},
      {"C:\\Program Files\\Calvantis\\clvt_help.TXT", false, "TXT"},
      {"C:\\v1.2\\README", true, ""},  // the period is in a folder, not the name
      {"", true, ""},
      {"/unix/style.dir/file", true, "dir/file"},      // only backslashes separate parts
      {"caf\xC3\xA9.\xC3\x89XT", true, "\xC3\x89xt"},  // ASCII letters only change case
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(GetFileExtension(c.path, c.lowerCase), c.expected);
  }
}

TEST(OnlineUserManualAddress, IsTheManualTextBehindHttpAndItsHostTheMakersSite) {
  testing::ScratchDir dir;
  const std::string texts = dir.Write("texts.dat", "15 www.x.example/manual\n");
  ASSERT_GE(lt(texts.c_str(), 0), 1);
  EXPECT_EQ(ManualAddressWithoutScheme(), "www.x.example/manual");
  EXPECT_EQ(OnlineUserManualAddress(), "http://www.x.example/manual");
  // The maker's site is the manual's host, so the two cannot be spelled apart.
  EXPECT_EQ(MakerWebHost(), "www.x.example");
  EXPECT_EQ(MakerWebSite(), "http://www.x.example/");
}

// Each explanation ends with what to do: "Please try once more." alone did not say what if
// that failed too, and the extension's line says nothing to a user without a browser set up.
TEST(OpenWebLink, ExplainsEachFailureCodeAndIsSilentOnSuccess) {
  const std::string launch = "Error launching web browser, error code = ";
#ifdef _WIN32
  const std::string noOpener =
      "install a web browser, or choose one under Default apps in the "
      "Windows settings.";
#else
  const std::string noOpener =
      "install a web browser and xdg-utils, or choose your browser with "
      "xdg-settings set default-web-browser.";
#endif
  const struct {
    int code;
    std::string text;  // "": no message
  } cases[] = {
      {31, launch +
               "31.\r\n\r\nFile extension 'com/' is not associated with any application "
               "program.\r\nNo program to open web pages is set up: " +
               noOpener},
      {8, launch + "8.\r\n\r\nOut of memory.\r\nClose other programs and try again."},
      {2, launch + "2.\r\n\r\nPlease try once more.\r\nIf it fails again, open the address in "
                   "your web browser yourself."},
      {11, launch + "11."},
      {32, launch + "32."},
      {33, ""},
      {kShellSucceeded, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    RecordingShell shell(c.code);
    RecordingMessageBoxes messages;
    OpenWebLink("http://www.x.com/", shell, messages);
    EXPECT_EQ(shell.targets, std::vector<std::string>{"http://www.x.com/"});
    EXPECT_TRUE(messages.shown.empty());  // nothing until the outcome arrives
    shell.Poll();
    ASSERT_EQ(messages.shown.size(), c.text.empty() ? 0u : 1u);
    for (const Message& shown : messages.shown) {
      EXPECT_EQ(shown, (Message{c.text, "Cannot launch web browser", Icon::Exclamation}));
    }
  }
}

}  // namespace
}  // namespace clvt
