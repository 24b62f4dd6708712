#pragma once

#include <cstdint>
#include <string>

#include <QWidget>

#include "support/text_box_widget.h"

class QEvent;
class QPushButton;

// frmView: a plain-text file shown read-only, with Close and an optional button that copies the
// text or its selected part. The file is read on the first display after the window was
// created or closed with its close box; hiding it with Close (or Escape) keeps the text, so
// showing it again does not read the file again.
namespace clvt {

class Clipboard;
class MessageBoxes;

class ViewWindow : public QWidget {
  Q_OBJECT

 public:
  ViewWindow(MessageBoxes& messages, Clipboard& clipboard, QWidget* parent = nullptr);

  // Set by the caller before showing the window: the file to show, and whether to hide the
  // copy button.
  std::string strFilename;
  bool blnCopyToClipboardInvisible = false;

  // True once the file is in the text box; false after the close box.
  bool blnFileDisplayed() const { return blnFileDisplayed_; }

  QPlainTextEdit* txbText1() const { return txbText1_; }

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void RequestFirstDisplay();
  void FirstDisplay();
  void LayOut();
  void SetCopyCaption(bool selection);
  void cmdCopyToClipboard_Click();
  void cmdClose_Click();
  void txbText1_SelectionSettled();

  MessageBoxes& messages_;
  Clipboard& clipboard_;
  TextBoxWidget* txbText1_;
  QPushButton* cmdCopyToClipboard_;
  QPushButton* cmdClose_;
  int32_t copyWidth_;
  bool blnFileDisplayed_ = false;
  bool firstDisplayQueued_ = false;
};

// The Help button: shows the help file helpFile in viewer under caption, without a copy button
// and in 10-point text. A minimized viewer is restored; one in its normal state is placed over
// mainWindow (380 twips below and 100 right of its top-left corner, 200 narrower, 480 lower).
// A viewer that already shows the help text is only shown again, without reading the file.
void ShowHelpText(ViewWindow& viewer, const QWidget& mainWindow, const std::string& helpFile,
                  const std::string& caption);

// The main window's Help button: ShowHelpText with the help file named by program text 16 in
// the program's data folder, under caption text 36, in the viewer that mainWindow owns
// (created on first use). A missing or empty help file gives the viewer's message.
void ShowHelp(QWidget& mainWindow, MessageBoxes& messages, Clipboard& clipboard);

}  // namespace clvt
