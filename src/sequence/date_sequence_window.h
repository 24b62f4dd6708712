#pragma once

#include <cstdint>
#include <string>

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace clvt {

class Clipboard;
class ListingBox;
class MessageBoxes;

// What the date sequence window needs from the main window: its input state, its GetJDN run,
// and its look and position. The main window implements it; tests fake it.
class DateSequenceHost {
 public:
  virtual ~DateSequenceHost() = default;
  virtual int intInputDateType() const = 0;            // -1 none, 0 or 1
  virtual std::string SelectedCalendarText() const = 0;  // the run's calendar text
  virtual bool GetJDN(const std::string& strCalendar, bool blnDisplayMessageIfDateInvalid) = 0;
  virtual int32_t lngJDN() const = 0;
  virtual int32_t lngTextBoxCapacityInKB() const = 0;
  virtual std::string strDeeCalendarName() const = 0;
  virtual std::string strDeeCalendarDesignation() const = 0;
  virtual bool DeeSelected() const = 0;                // optDee checked
  virtual uint32_t lngBackColor() const = 0;           // 0x00BBGGRR
  virtual QWidget* MainWidget() const = 0;             // for position and font; may be null
  virtual QWidget* OutputFrame() const = 0;            // fraOutput; may be null
};

// A DateSequenceHost that forwards to a main window with the same public operations, so that
// this header need not know the main window's class: DateSequenceHostOf<MainWindow>(*this).
template <typename Main>
class DateSequenceHostOf : public DateSequenceHost {
 public:
  explicit DateSequenceHostOf(Main& main) : main_(main) {}
  int intInputDateType() const override { return main_.intInputDateType(); }
  std::string SelectedCalendarText() const override { return main_.SelectedCalendarText(); }
  bool GetJDN(const std::string& strCalendar, bool blnDisplayMessageIfDateInvalid) override {
    return main_.GetJDN(strCalendar, blnDisplayMessageIfDateInvalid);
  }
  int32_t lngJDN() const override { return main_.lngJDN(); }
  int32_t lngTextBoxCapacityInKB() const override { return main_.lngTextBoxCapacityInKB(); }
  std::string strDeeCalendarName() const override { return main_.strDeeCalendarName(); }
  std::string strDeeCalendarDesignation() const override {
    return main_.strDeeCalendarDesignation();
  }
  bool DeeSelected() const override { return main_.DeeSelected(); }
  uint32_t lngBackColor() const override { return main_.lngBackColor(); }
  QWidget* MainWidget() const override { return &main_; }
  QWidget* OutputFrame() const override { return main_.OutputFrame(); }

 private:
  Main& main_;
};

// frmDateSequence: lists a run of days from the main window's input date in the Gregorian and
// the Dee calendar. Close hides it (the listing survives); closing from the title bar
// destroys it, so the opener keeps a QPointer and creates a new one when that is null.
class DateSequenceWindow : public QWidget {
  Q_OBJECT

 public:
  DateSequenceWindow(DateSequenceHost& host, MessageBoxes& messages, Clipboard& clipboard,
                     QWidget* parent = nullptr);

  void cmdDoIt_Click();
  void cmdCopyToClipboard_Click();
  void cmdClear_Click();
  void cmdClose_Click();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Form_Load();
  void Form_Activate();
  void FocusNumDays();

  DateSequenceHost& host_;
  MessageBoxes& messages_;
  Clipboard& clipboard_;
  QLabel* lblDates1_;
  QLineEdit* txbNumDays_;
  QLabel* lblDates2_;
  QPushButton* cmdDoIt_;
  ListingBox* txbOutput_;
  QPushButton* cmdCopyToClipboard_;
  QPushButton* cmdClear_;
  QPushButton* cmdClose_;
};

}  // namespace clvt
