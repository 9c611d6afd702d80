// A picture control: the image at its natural size at the top-left corner,
// neither stretched nor centred; whatever the image leaves uncovered shows
// the form's background colour, and what lies beyond the control is cut off.
#pragma once

#include <QImage>
#include <QWidget>

namespace parcyl {

class PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

  void SetPicture(QImage picture);
  const QImage& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace parcyl
