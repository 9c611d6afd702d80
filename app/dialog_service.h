// The modal dialogs of the application, behind one interface so that the
// tests can put a recorder in their place. Each call returns once the user
// has closed the dialog, however it was closed.
#pragma once

#include <QString>

namespace parcyl {

class DialogService {
 public:
  virtual ~DialogService() = default;

  // The error dialog: stop icon, one OK button, modal for the application.
  // The text already carries the full stop of ErrorDialogText.
  virtual void ShowError(const QString& caption, const QString& text) = 0;

  // The prompt for an empty field: no icon, one OK button that Enter and
  // Escape both press, centred on the screen, fixed size.
  virtual void ShowPrompt(const QString& caption, const QString& text) = 0;

  // The math error box ("sqrt: DOMAIN error"): stop icon, one OK button,
  // no owner window, modal for the application, brought to the front.
  virtual void ShowMathError(const QString& caption, const QString& text) = 0;
};

}  // namespace parcyl
