// Stand-ins for the dialogs and the help viewer that record what they were
// asked to show.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "app/dialog_service.h"
#include "app/help_viewer.h"

namespace parcyl::testing {

struct ShownDialog {
  enum class Kind { kError, kPrompt, kMath };
  Kind kind;
  QString caption;
  QString text;
  bool operator==(const ShownDialog&) const = default;
};

class RecordingDialogs : public DialogService {
 public:
  void ShowError(const QString& caption, const QString& text) override {
    Record({ShownDialog::Kind::kError, caption, text});
  }
  void ShowPrompt(const QString& caption, const QString& text) override {
    Record({ShownDialog::Kind::kPrompt, caption, text});
  }
  void ShowMathError(const QString& caption, const QString& text) override {
    Record({ShownDialog::Kind::kMath, caption, text});
  }

  std::vector<ShownDialog> shown;
  // Runs while a dialog is "open", to look at the window at that moment.
  std::function<void(const ShownDialog&)> while_open;

 private:
  void Record(const ShownDialog& dialog) {
    shown.push_back(dialog);
    if (while_open) while_open(dialog);
  }
};

struct HelpRequest {
  QString help_file;
  int context;
  bool operator==(const HelpRequest&) const = default;
};

class RecordingHelpViewer : public HelpViewer {
 public:
  void ShowContext(const QString& help_file, int context) override {
    requests.push_back({help_file, context});
    open = true;
  }
  bool IsWindowOpen() const override { return open; }
  void Quit() override {
    ++quits;
    open = false;
  }

  std::vector<HelpRequest> requests;
  bool open = false;
  int quits = 0;
};

}  // namespace parcyl::testing
