// The opener of the program's web links runs as a process of its own; a timer asks the shell
// now and then whether it has ended, so a slow opener never freezes the window.
#include "support/web_link_widget.h"

#include <QObject>
#include <QTimer>
#include <QWidget>

#include "platform/message_box.h"
#include "platform/shell.h"
#include "support/web_link.h"

namespace clvt {
namespace {

constexpr int kPollMilliseconds = 100;
const char* const kPollerName = "webLinkPoller";

// One per owner window: its timer polls the shell, which keeps the running openers, while any
// runs. Destroyed with the owner.
class WebLinkPoller : public QObject {
 public:
  WebLinkPoller(QObject* owner, Shell& shell, MessageBoxes& messages)
      : QObject(owner), shell_(shell), messages_(messages), timer_(this) {
    setObjectName(QString::fromLatin1(kPollerName));
    timer_.setInterval(kPollMilliseconds);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
  }

  void Open(const std::string& target) {
    OpenWebLink(target, shell_, messages_);
    timer_.start();
  }

 private:
  void Tick() {
    Guarded(messages_, [this] {
      if (!shell_.Poll()) timer_.stop();
    })();
  }

  Shell& shell_;
  MessageBoxes& messages_;
  QTimer timer_;
};

}  // namespace

void OpenWebLinkFrom(QWidget& owner, const std::string& target, Shell& shell,
                     MessageBoxes& messages) {
  auto* poller = dynamic_cast<WebLinkPoller*>(
      owner.findChild<QObject*>(QString::fromLatin1(kPollerName), Qt::FindDirectChildrenOnly));
  if (poller == nullptr) poller = new WebLinkPoller(&owner, shell, messages);
  poller->Open(target);
}

}  // namespace clvt
