#include "app/message_boxes.h"

#include "app/message_dialog.h"

namespace parcyl {

// The dialogs belong to the application, not to a window: they take the
// system's message font rather than the main window's, and they are modal
// for every window of the application. The math box also pushes itself to
// the front.

void MessageBoxes::ShowError(const QString& caption, const QString& text) {
  MessageDialog dialog(caption, text, MessageDialog::Icon::kStop);
  dialog.exec();
}

void MessageBoxes::ShowPrompt(const QString& caption, const QString& text) {
  MessageDialog dialog(caption, text, MessageDialog::Icon::kNone);
  dialog.exec();
}

void MessageBoxes::ShowMathError(const QString& caption, const QString& text) {
  MessageDialog dialog(caption, text, MessageDialog::Icon::kStop);
  dialog.SetBringToFront(true);
  dialog.exec();
}

}  // namespace parcyl
