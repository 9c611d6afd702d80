#include "app/application.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include "app/application_title.h"
#include "app/dialog_service.h"
#include "app/help_viewer.h"
#include "app/qt_text_bridge.h"

namespace parcyl {
namespace {

constexpr char kHelpContextProperty[] = "parcylHelpContext";

bool IsPlainF1(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  constexpr Qt::KeyboardModifiers kChordModifiers =
      Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  return key->key() == Qt::Key_F1 && (key->modifiers() & kChordModifiers) == 0;
}

// The nearest help context from the widget up to its window; 0 if none.
int InheritedHelpContext(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (const int context = HelpContext(w); context != 0) return context;
    if (w->isWindow()) break;
  }
  return 0;
}

}  // namespace

void SetHelpContext(QWidget* widget, int context) {
  widget->setProperty(kHelpContextProperty, context);
}

int HelpContext(const QWidget* widget) { return widget->property(kHelpContextProperty).toInt(); }

Application::Application(const QString& executable_path, DialogService& dialogs,
                         HelpViewer& help_viewer, DecimalMarkSource mark_source)
    : title_(ApplicationTitle(executable_path)),
      executable_file_name_(parcyl::ExecutableFileName(executable_path)),
      dialogs_(dialogs),
      help_viewer_(help_viewer),
      mark_source_(std::move(mark_source)) {
  if (QCoreApplication* qt_application = QCoreApplication::instance()) {
    qt_application->installEventFilter(this);
  }
}

Application::~Application() { help_viewer_.Quit(); }

void Application::ShowException(const Exception& error) {
  dialogs_.ShowError(title_, ToQString(ErrorDialogText(error.Message())));
}

void Application::HelpCommand(int context) {
  if (help_viewer_.IsWindowOpen() && context == last_context_sent_) return;
  help_viewer_.ShowContext(help_file_, context);
  last_context_sent_ = context;
}

bool Application::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::LocaleChange && watched == QCoreApplication::instance()) {
    ReadDecimalMark(mark_source_);
  } else if (IsPlainF1(event) && watched->isWidgetType()) {
    if (const int context = InheritedHelpContext(static_cast<QWidget*>(watched)); context != 0) {
      HelpCommand(context);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace parcyl
