// A message box of our own: a text, an optional stop icon and one OK button.
//
// The box is as large as its text, wrapped at half the screen's width, and
// never larger than the screen: a long message ("'…' is not a valid floating
// point value." for a pasted page of text) scrolls inside the box, and the OK
// button stays in view. The whole text can be selected and copied; Ctrl+C
// with the button focused copies all of it.
//
// OK, Enter, Escape, the close box and Alt+F4 all close the box.
#pragma once

#include <QDialog>
#include <QString>

class QPushButton;
class QTextEdit;

namespace parcyl {

class MessageDialog : public QDialog {
 public:
  enum class Icon { kNone, kStop };

  MessageDialog(const QString& caption, const QString& text, Icon icon, QWidget* parent = nullptr);

  // Raise the box and take the focus from other windows when it shows.
  void SetBringToFront(bool bring_to_front) { bring_to_front_ = bring_to_front; }

  QString Text() const { return text_; }
  QPushButton* OkButton() const { return ok_button_; }
  QTextEdit* TextView() const { return text_view_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void SizeTextView();

  QString text_;
  QTextEdit* text_view_ = nullptr;
  QPushButton* ok_button_ = nullptr;
  bool bring_to_front_ = false;
};

}  // namespace parcyl
