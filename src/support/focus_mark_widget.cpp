// The focus mark is a QFocusFrame, which already follows its control's place and size and
// stands outside it without taking mouse clicks or a place among the window's accessible
// children; only its colour is the program's own.
#include "support/focus_mark_widget.h"

#include <QApplication>
#include <QColor>
#include <QFocusFrame>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QRegion>
#include <QWidget>

#include <cmath>

namespace clvt {
namespace {

// Relative luminance of a colour: each sRGB channel linearised, then weighted.
double Luminance(const QColor& colour) {
  const auto linear = [](int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
         0.0722 * linear(colour.blue());
}

// Pixels of the mark around its control: kMarkWidth in the mark's colour outside, then one in
// the opposite colour, which parts the mark from a light control (a list, a button) so that it
// does not read as a wider control.
constexpr int kMarkWidth = 2;
constexpr int kMarkMargin = kMarkWidth + 1;

// The frame stands as far from its control as the style's focus frame margins say.
class MarkStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin) return kMarkMargin;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

void FillRing(QPainter& painter, const QRect& outer, int width, const QColor& colour) {
  const QRegion ring = QRegion(outer) - QRegion(outer.adjusted(width, width, -width, -width));
  for (const QRect& part : ring) painter.fillRect(part, colour);
}

class FocusMark : public QFocusFrame {
 public:
  explicit FocusMark(QWidget* parent) : QFocusFrame(parent) {
    auto* style = new MarkStyle;
    style->setParent(this);
    setStyle(style);
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    const QColor mark = ContrastingColour(palette().color(QPalette::Window));
    const QColor edge = mark == QColor(Qt::white) ? QColor(Qt::black) : QColor(Qt::white);
    QPainter painter(this);
    FillRing(painter, rect(), kMarkWidth, mark);
    FillRing(painter, rect().adjusted(kMarkWidth, kMarkWidth, -kMarkWidth, -kMarkWidth), 1, edge);
  }
};

// Moves the window's mark to each control of the window that takes the focus, and hides it
// while the focus is in another window (a message box, an open list's pop-up).
class FocusMarkFollower : public QObject {
 public:
  explicit FocusMarkFollower(QWidget* window) : QObject(window), window_(window) {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget* /*old*/, QWidget* now) { Follow(now); });
  }

 private:
  void Follow(QWidget* now) {
    const bool ours = now != nullptr && now != window_ && now->window() == window_;
    if (!ours) {
      if (mark_ != nullptr) mark_->setWidget(nullptr);
      return;
    }
    // The mark lives beside its control and goes with the control's parent.
    if (mark_ == nullptr) mark_ = new FocusMark(window_);
    mark_->setWidget(now);
  }

  QWidget* window_;
  QPointer<FocusMark> mark_;
};

}  // namespace

void MarkFocus(QWidget* window) {
  if (window != nullptr) new FocusMarkFollower(window);
}

QColor ContrastingColour(const QColor& background) {
  // Contrast ratio (L1 + 0.05) / (L2 + 0.05): white has luminance 1, black 0.
  const double luminance = Luminance(background);
  const double withWhite = 1.05 / (luminance + 0.05);
  const double withBlack = (luminance + 0.05) / 0.05;
  return withWhite >= withBlack ? QColor(Qt::white) : QColor(Qt::black);
}

}  // namespace clvt
