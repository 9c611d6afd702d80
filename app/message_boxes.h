// The dialogs of the running program, each a MessageDialog run modally.
#pragma once

#include "app/dialog_service.h"

namespace parcyl {

class MessageBoxes : public DialogService {
 public:
  void ShowError(const QString& caption, const QString& text) override;
  void ShowPrompt(const QString& caption, const QString& text) override;
  void ShowMathError(const QString& caption, const QString& text) override;
};

}  // namespace parcyl
