#include "app/form_window.h"

#include <QApplication>
#include <QEvent>

#include "app/form_label.h"
#include "app/form_scroll_area.h"

namespace parcyl {
namespace {

constexpr char kFontPixelSizeProperty[] = "fontPixelSize";
constexpr char kOuterGeometryProperty[] = "outerGeometry";

void ApplyFontPixelSize(QWidget* widget) {
  const QVariant size = widget->property(kFontPixelSizeProperty);
  if (!size.isValid()) return;
  QFont font = widget->font();
  font.setPixelSize(size.toInt());
  widget->setFont(font);
}

}  // namespace

FormWindow::FormWindow(QWidget* parent) : QWidget(parent) {
  setBackgroundRole(QPalette::Button);
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget* /*old*/, QWidget* now) { OnFocusChanged(now); });
}

// QWidget's destructor takes the focus from a control of the form and so
// emits focusChanged, when this object is already no FormWindow; only
// QObject's destructor would disconnect the handler, too late.
FormWindow::~FormWindow() { disconnect(qApp, &QApplication::focusChanged, this, nullptr); }

void FormWindow::FinishLayout() {
  // The form first, so that its controls resolve their fonts against it.
  ApplyFontPixelSize(this);
  const QList<QWidget*> widgets = findChildren<QWidget*>();
  for (QWidget* widget : widgets) ApplyFontPixelSize(widget);
  for (FormLabel* label : findChildren<FormLabel*>()) label->FitToText();
  if (const QVariant outer = property(kOuterGeometryProperty); outer.isValid()) {
    SetOuterGeometry(outer.toRect());
  }
}

void FormWindow::SetOuterGeometry(const QRect& outer) {
  outer_geometry_ = outer;
  fitted_to_frame_ = false;
  // A window's position is that of its frame; its size is the client's.
  move(outer.topLeft());
  resize(outer.size());
  FitToFrame();
}

// The frame is known once the window manager has framed the window; until
// then frameGeometry() equals geometry(). A window without a frame keeps the
// whole size as client.
void FormWindow::FitToFrame() {
  if (fitted_to_frame_ || !outer_geometry_.isValid() || !isVisible()) return;
  const QRect frame = frameGeometry();
  const QRect client = geometry();
  if (frame == client) return;
  fitted_to_frame_ = true;
  const QSize frame_extra = frame.size() - client.size();
  resize(outer_geometry_.size() - frame_extra);
  move(outer_geometry_.topLeft());
  if (FormScrollArea* area = ScrollArea()) area->ScrollIntoView(focusWidget());
}

bool FormWindow::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
      FitToFrame();
      break;
    default:
      break;
  }
  return handled;
}

void FormWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (opened_) return;
  opened_ = true;
  if (focusWidget() == nullptr) FocusFirstControl();
  if (FormScrollArea* area = ScrollArea()) area->ScrollIntoView(focusWidget());
  FitToFrame();
}

void FormWindow::FocusFirstControl() {
  for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
    if ((w->focusPolicy() & Qt::TabFocus) != 0 && w->isEnabled() && w->isVisibleTo(this)) {
      w->setFocus(Qt::ActiveWindowFocusReason);
      return;
    }
  }
}

void FormWindow::OnFocusChanged(QWidget* now) {
  if (now == nullptr || now->window() != this) return;
  if (FormScrollArea* area = ScrollArea()) area->ScrollIntoView(now);
}

FormScrollArea* FormWindow::ScrollArea() const { return findChild<FormScrollArea*>(); }

}  // namespace parcyl
