// The window's web links start xdg-open and return at once; the failure message arrives later
// from the event loop.
#include "support/web_link_widget.h"

#include <QTest>
#include <QWidget>

#include <filesystem>
#include <string>

#include "doubles/recording_message_boxes.h"
#include "platform/shell.h"
#include "support/scratch_dir.h"
#include "support/web_link.h"

namespace clvt {

class WebLinkWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void slowOpenerDoesNotHoldUpTheWindowAndItsFailureArrivesLater() {
    testing::ScratchDir dir;
    const std::string release = dir.Path("release");
    // An xdg-open that waits for the test, then finds no browser (exit 3).
    const std::string opener = dir.Write(
        "xdg-open", "#!/bin/sh\nwhile [ ! -e '" + release + "' ]; do sleep 0.02; done\nexit 3\n");
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
    RecordingMessageBoxes messages;
    SystemShell shell(opener);
    QWidget window;
    OpenWebLinkFrom(window, "http://www.x.com/", shell, messages);
    QVERIFY(messages.shown.empty());  // returned while the opener still waits

    dir.Write("release", "");
    QTRY_COMPARE_WITH_TIMEOUT(messages.shown.size(), size_t{1}, 10000);
    QCOMPARE(messages.shown[0], WebLinkFailureMessage(kShellNoAssociation, "com/"));
  }
};

}  // namespace clvt

QTEST_MAIN(clvt::WebLinkWidgetTest)
#include "web_link_widget_test.moc"
