// A form: a top-level window built from a Designer layout record, with its
// controls on a FormScrollArea.
//
// What the form adds to a plain window:
//   - Fonts in pixels. The layout record gives each widget that has a size
//     of its own the dynamic property "fontPixelSize" (the character height
//     in pixels); FinishLayout() applies them, and labels fit their texts.
//   - An outer geometry, frame included: the layout record's dynamic
//     property "outerGeometry". The client takes the whole size until the
//     window system tells the size of its frame; then the client shrinks so
//     that the frame keeps the recorded size and position.
//   - Focus: when the form first shows and no control has the focus yet, it
//     goes to the first control in tab order; the control that takes the
//     focus, then and ever after, is scrolled into view.
//   - The background in the button-face colour.
#pragma once

#include <QRect>
#include <QWidget>

namespace parcyl {

class FormScrollArea;

class FormWindow : public QWidget {
  Q_OBJECT

 public:
  explicit FormWindow(QWidget* parent = nullptr);
  ~FormWindow() override;

  // Frame included; applied at once, and corrected once the frame is known.
  void SetOuterGeometry(const QRect& outer);

 protected:
  // To be called right after the layout record's setupUi().
  void FinishLayout();

  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  FormScrollArea* ScrollArea() const;
  void FocusFirstControl();
  void FitToFrame();
  void OnFocusChanged(QWidget* now);

  QRect outer_geometry_;
  bool fitted_to_frame_ = false;
  bool opened_ = false;
};

}  // namespace parcyl
