#include "app/form_button.h"

#include <QKeyEvent>
#include <QStyleOptionButton>

namespace parcyl {

FormButton::FormButton(QWidget* parent) : QPushButton(parent) {
  // Outside a dialog an auto-default button is pressed by Enter while it has
  // the focus, and by nothing else.
  setAutoDefault(true);
}

// The form's focus widget rather than the keyboard focus: the window may not
// be active yet when it first paints.
bool FormButton::DrawnAsDefault() const { return window()->focusWidget() == this; }

void FormButton::initStyleOption(QStyleOptionButton* option) const {
  QPushButton::initStyleOption(option);
  if (DrawnAsDefault()) option->features |= QStyleOptionButton::DefaultButton;
}

void FormButton::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
      focusNextPrevChild(true);
      return;
    case Qt::Key_Left:
    case Qt::Key_Up:
      focusNextPrevChild(false);
      return;
    default:
      QPushButton::keyPressEvent(event);
  }
}

}  // namespace parcyl
