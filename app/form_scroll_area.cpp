#include "app/form_scroll_area.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QScrollBar>

#include "app/scroll_into_view.h"

namespace parcyl {
namespace {

bool ChangesExtent(QEvent::Type type) {
  switch (type) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
      return true;
    default:
      return false;
  }
}

}  // namespace

FormScrollArea::FormScrollArea(QWidget* parent) : QScrollArea(parent) {
  setFocusPolicy(Qt::NoFocus);
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(false);
  for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
    bar->setSingleStep(kArrowStep);
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::NoFocus);
  }
}

QSize FormScrollArea::ContentExtent() const {
  QSize extent(0, 0);
  if (const QWidget* content = widget()) {
    for (const QObject* child : content->children()) {
      if (!child->isWidgetType()) continue;
      const auto* control = static_cast<const QWidget*>(child);
      if (control->isWindow() || control->isHidden()) continue;
      extent = extent.expandedTo(
          QSize(control->x() + control->width(), control->y() + control->height()));
    }
  }
  return extent;
}

void FormScrollArea::UpdateExtent() {
  if (QWidget* content = widget()) content->resize(ContentExtent());
}

void FormScrollArea::Watch(QWidget* control) { control->installEventFilter(this); }

// The content arrives through setWidget(), which installs this area as a
// filter of the content: its first event here starts the watch of its
// controls.
void FormScrollArea::WatchContent() {
  QWidget* content = widget();
  if (content == nullptr || content == watched_content_) return;
  watched_content_ = content;
  for (QObject* control : content->children()) {
    if (control->isWidgetType()) Watch(static_cast<QWidget*>(control));
  }
  UpdateExtent();
}

bool FormScrollArea::eventFilter(QObject* watched, QEvent* event) {
  const QWidget* content = widget();
  if (content != nullptr) {
    if (watched == content) {
      WatchContent();
      if (event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType()) Watch(static_cast<QWidget*>(child));
      } else if (event->type() == QEvent::ChildRemoved) {
        UpdateExtent();
      }
    } else if (watched->parent() == content && ChangesExtent(event->type())) {
      UpdateExtent();
    }
  }
  return QScrollArea::eventFilter(watched, event);
}

void FormScrollArea::ScrollIntoView(const QWidget* control) {
  const QWidget* content = widget();
  if (control == nullptr || content == nullptr || !content->isAncestorOf(control)) return;
  const QRect rect(control->mapTo(content, QPoint(0, 0)), control->size());
  QScrollBar* horizontal = horizontalScrollBar();
  QScrollBar* vertical = verticalScrollBar();
  horizontal->setValue(OffsetToShow(horizontal->value(), viewport()->width(), rect.left(),
                                    rect.left() + rect.width()));
  vertical->setValue(OffsetToShow(vertical->value(), viewport()->height(), rect.top(),
                                  rect.top() + rect.height()));
}

// QScrollArea would scroll the new focus into view with a margin of 50
// pixels; the form scrolls it by the least amount instead.
bool FormScrollArea::focusNextPrevChild(bool next) { return QWidget::focusNextPrevChild(next); }

void FormScrollArea::keyPressEvent(QKeyEvent* event) { event->ignore(); }

}  // namespace parcyl
