// The scrolling content of a form.
//
// The content is as large as the controls on it: the largest right and
// bottom edge over its visible controls, worked out again whenever one of
// them moves, resizes, shows or hides (a label taking a longer text). A
// direction scrolls only when the content does not fit it, and its scroll
// bar hides otherwise. An arrow of a scroll bar moves the content 8 pixels,
// a click beside the thumb a whole visible size; dragging the thumb moves the
// content when the thumb is released, not while it moves.
//
// The form scrolls a control into view when it takes the focus
// (ScrollIntoView); the area itself neither takes the focus nor scrolls by
// keys.
#pragma once

#include <QPointer>
#include <QScrollArea>

namespace parcyl {

class FormScrollArea : public QScrollArea {
  Q_OBJECT

 public:
  static constexpr int kArrowStep = 8;

  explicit FormScrollArea(QWidget* parent = nullptr);

  // Scrolls by the least amount that shows the whole of a control on the
  // content (see OffsetToShow); a widget elsewhere is left alone.
  void ScrollIntoView(const QWidget* control);

  QSize ContentExtent() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void WatchContent();
  void Watch(QWidget* control);
  void UpdateExtent();

  QPointer<QWidget> watched_content_;
};

}  // namespace parcyl
