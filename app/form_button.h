// A push button of a form. It is the form's default button exactly while it
// holds the form's focus: it is drawn as the default then, and Enter presses
// it. The arrow keys move the focus from it: Right and Down to the next
// control in tab order, Left and Up to the previous one.
#pragma once

#include <QPushButton>

namespace parcyl {

class FormButton : public QPushButton {
  Q_OBJECT

 public:
  explicit FormButton(QWidget* parent = nullptr);

  bool DrawnAsDefault() const;

 protected:
  void initStyleOption(QStyleOptionButton* option) const override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace parcyl
