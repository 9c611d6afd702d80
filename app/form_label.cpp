#include "app/form_label.h"

#include <QEvent>

namespace parcyl {

FormLabel::FormLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setWordWrap(false);
  setAutoFillBackground(true);
  // The form's background is the button face, whose contrasting role would
  // be the button text; a label's colour is its window-text colour.
  setForegroundRole(QPalette::WindowText);
}

void FormLabel::SetCaption(const QString& caption) {
  if (caption == text()) return;
  setText(caption);
  FitToText();
}

void FormLabel::FitToText() {
  const QString measured = text().isEmpty() ? QStringLiteral(" ") : text();
  resize(fontMetrics().horizontalAdvance(measured), height());
}

void FormLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) FitToText();
}

}  // namespace parcyl
