// The application around the main window: its title, its help file, the
// one place where the errors of a command are shown, the help key and the
// notice of a change of the user's settings.
//
// It watches every event of the Qt application:
//   - F1 in any window asks for the help context of the nearest widget,
//     from the focused one up to its window, that has one (SetHelpContext);
//     a window without one, such as a dialog, asks for nothing.
//   - A locale-change event delivered to the application reads the decimal
//     mark again.
#pragma once

#include <QObject>
#include <QString>

#include "calc/decimal_mark.h"
#include "calc/errors.h"

class QWidget;

namespace parcyl {

class DialogService;
class HelpViewer;

// A widget's help context; 0, the default, means none of its own.
void SetHelpContext(QWidget* widget, int context);
int HelpContext(const QWidget* widget);

class Application : public QObject {
 public:
  Application(const QString& executable_path, DialogService& dialogs, HelpViewer& help_viewer,
              DecimalMarkSource mark_source);
  // Tells the help viewer to quit, whether or not help was asked for.
  ~Application() override;

  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // "parcyl" for /usr/bin/parcyl: the caption of the error and prompt dialogs.
  const QString& Title() const { return title_; }
  // "parcyl": the caption of the math error box.
  const QString& ExecutableFileName() const { return executable_file_name_; }

  const QString& HelpFile() const { return help_file_; }
  void SetHelpFile(const QString& help_file) { help_file_ = help_file; }

  DialogService& Dialogs() { return dialogs_; }

  // The error dialog for an error that ended a command: its message with the
  // full stop of ErrorDialogText, the title as caption. The caller goes on
  // when the user has closed it.
  void ShowException(const Exception& error);

  // Asks the viewer for a topic of the help file. Nothing is sent while the
  // viewer's window is open and the last request sent was the same context.
  void HelpCommand(int context);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString title_;
  QString executable_file_name_;
  QString help_file_;
  DialogService& dialogs_;
  HelpViewer& help_viewer_;
  DecimalMarkSource mark_source_;
  int last_context_sent_ = 0;
};

}  // namespace parcyl
