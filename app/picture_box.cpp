#include "app/picture_box.h"

#include <QPainter>

namespace parcyl {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }

void PictureBox::SetPicture(QImage picture) {
  picture_ = std::move(picture);
  update();
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), picture_);
}

}  // namespace parcyl
