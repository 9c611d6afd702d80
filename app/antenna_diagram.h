// The picture beside the inputs: the profile of the reflector with the
// symbols that the results use, black on white, 271 x 413 pixels. Drawn when
// the window is built; nothing is decoded at start-up.
//
// Key points, in pixels from the top-left corner:
//   the vertex, where the axes cross: (23, 206)
//   the rims of the profile:          (98, 78) and (98, 337)
//   the focus F0:                     (185, 206)
//   the marked profile point:         (47, 119) and its mirror (47, 296)
// x runs along the axis from the vertex, y across it, as in the table of
// coordinates.
#pragma once

#include <QImage>

namespace parcyl {

inline constexpr int kDiagramWidth = 271;
inline constexpr int kDiagramHeight = 413;

QImage DrawAntennaDiagram();

}  // namespace parcyl
