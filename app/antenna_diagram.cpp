#include "app/antenna_diagram.h"

#include <QFont>
#include <QPainter>
#include <QPolygon>
#include <cmath>

namespace parcyl {
namespace {

constexpr QPoint kVertex(23, 206);
constexpr int kRimX = 98;
constexpr int kUpperRimY = 78;
constexpr int kLowerRimY = 337;
constexpr QPoint kFocus(185, 206);
constexpr int kPointX = 47;
constexpr int kUpperPointY = 119;
constexpr int kLowerPointY = 296;
constexpr int kArrowLength = 7;
constexpr int kArrowHalfWidth = 3;

enum class Towards { kLeft, kRight, kUp, kDown };

// A filled arrowhead with its tip at `tip`.
void Arrowhead(QPainter& painter, QPoint tip, Towards direction) {
  const int l = kArrowLength;
  const int w = kArrowHalfWidth;
  QPolygon head;
  switch (direction) {
    case Towards::kLeft:
      head << tip << tip + QPoint(l, -w) << tip + QPoint(l, w);
      break;
    case Towards::kRight:
      head << tip << tip + QPoint(-l, -w) << tip + QPoint(-l, w);
      break;
    case Towards::kUp:
      head << tip << tip + QPoint(-w, l) << tip + QPoint(w, l);
      break;
    case Towards::kDown:
      head << tip << tip + QPoint(-w, -l) << tip + QPoint(w, -l);
      break;
  }
  painter.drawPolygon(head);
}

void HorizontalDimension(QPainter& painter, int y, int x1, int x2) {
  painter.drawLine(x1, y, x2, y);
  Arrowhead(painter, QPoint(x1, y), Towards::kLeft);
  Arrowhead(painter, QPoint(x2, y), Towards::kRight);
}

void VerticalDimension(QPainter& painter, int x, int y1, int y2) {
  painter.drawLine(x, y1, x, y2);
  Arrowhead(painter, QPoint(x, y1), Towards::kUp);
  Arrowhead(painter, QPoint(x, y2), Towards::kDown);
}

// One branch of the profile, from the vertex to the rim: x grows as a power
// of the distance from the axis, fitted through the marked point and the
// rim, so that the curve passes through both where the drawing marks them.
QPolygon Branch(int point_y, int rim_y) {
  const double point_depth = kPointX - kVertex.x();
  const double rim_depth = kRimX - kVertex.x();
  const double point_span = std::abs(point_y - kVertex.y());
  const double rim_span = std::abs(rim_y - kVertex.y());
  const double power = std::log(rim_depth / point_depth) / std::log(rim_span / point_span);
  const int sign = rim_y < kVertex.y() ? -1 : 1;
  QPolygon branch;
  for (int span = 0; span <= static_cast<int>(rim_span); ++span) {
    const double depth = rim_depth * std::pow(span / rim_span, power);
    branch << QPoint(kVertex.x() + static_cast<int>(std::lround(depth)), kVertex.y() + sign * span);
  }
  return branch;
}

void Letter(QPainter& painter, QPoint baseline_start, const QString& text) {
  painter.drawText(baseline_start, text);
}

}  // namespace

QImage DrawAntennaDiagram() {
  QImage image(kDiagramWidth, kDiagramHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::black);

  QFont letters(QStringLiteral("DejaVu Sans Condensed"));
  letters.setPixelSize(13);
  letters.setItalic(true);
  letters.setStyleStrategy(QFont::NoAntialias);
  QFont subscript = letters;
  subscript.setPixelSize(9);
  subscript.setItalic(false);
  painter.setFont(letters);

  // Axes: y across the parabola, arrowheads at both ends; x along it.
  painter.drawLine(kVertex.x(), 9, kVertex.x(), 401);
  Arrowhead(painter, QPoint(kVertex.x(), 9), Towards::kUp);
  Arrowhead(painter, QPoint(kVertex.x(), 401), Towards::kDown);
  Letter(painter, QPoint(29, 20), QStringLiteral("y"));
  Letter(painter, QPoint(29, 400), QStringLiteral("−y"));
  painter.drawLine(8, kVertex.y(), 258, kVertex.y());
  Arrowhead(painter, QPoint(258, kVertex.y()), Towards::kRight);
  Letter(painter, QPoint(248, 222), QStringLiteral("x"));
  Letter(painter, QPoint(11, 202), QStringLiteral("0"));

  // The profile, about three pixels thick, and the aperture plane.
  painter.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(Branch(kUpperPointY, kUpperRimY));
  painter.drawPolyline(Branch(kLowerPointY, kLowerRimY));
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(Qt::black);
  painter.drawLine(kRimX, 47, kRimX, kLowerRimY);

  // Depth H, from the vertex to the aperture plane.
  HorizontalDimension(painter, 52, kVertex.x(), kRimX);
  Letter(painter, QPoint(56, 46), QStringLiteral("H"));

  // Aperture D, between the rims.
  painter.drawLine(kRimX, kUpperRimY, 239, kUpperRimY);
  painter.drawLine(kRimX, kLowerRimY, 239, kLowerRimY);
  VerticalDimension(painter, 234, kUpperRimY, kLowerRimY);
  Letter(painter, QPoint(240, 190), QStringLiteral("D"));

  // The focus F0, and the focal length F from the vertex.
  painter.drawEllipse(kFocus, 3, 3);
  Letter(painter, QPoint(180, 196), QStringLiteral("F"));
  painter.setFont(subscript);
  painter.drawText(QPoint(188, 199), QStringLiteral("0"));
  painter.setFont(letters);
  painter.drawLine(kFocus.x(), kFocus.y(), kFocus.x(), 380);
  HorizontalDimension(painter, 368, kVertex.x(), kFocus.x());
  Letter(painter, QPoint(100, 362), QStringLiteral("F"));

  // A point of the profile: x along the axis, y and -y across it.
  painter.drawLine(kVertex.x(), kUpperPointY, kPointX, kUpperPointY);
  Letter(painter, QPoint(31, 115), QStringLiteral("x"));
  painter.drawLine(kPointX, kUpperPointY, kPointX, kLowerPointY);
  painter.drawLine(kVertex.x(), kLowerPointY, kPointX, kLowerPointY);
  Letter(painter, QPoint(51, 168), QStringLiteral("y"));
  Letter(painter, QPoint(51, 256), QStringLiteral("−y"));
  return image;
}

}  // namespace parcyl
