// A label of a form: one line of plain text, left-aligned, as wide as its
// text (one space wide when empty) and as high as the layout record made
// it. It paints its whole rectangle in the form's background colour, so a
// later label covers an earlier one where they overlap.
#pragma once

#include <QLabel>

namespace parcyl {

class FormLabel : public QLabel {
  Q_OBJECT

 public:
  explicit FormLabel(QWidget* parent = nullptr);

  // Takes the text and resizes itself to it; the text it already holds
  // changes nothing.
  void SetCaption(const QString& text);

  // Width of the current text in the current font; the height stays.
  void FitToText();

 protected:
  void changeEvent(QEvent* event) override;
};

}  // namespace parcyl
