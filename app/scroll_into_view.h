// The scroll offset that shows a control after it takes the focus, by the
// least movement and without a margin. One direction at a time; `offset` is
// the current offset, `visible` the visible size, and the control covers
// [start, end) in content coordinates. The caller limits the result to the
// scroll range.
//
//   visible 561 at offset 0, a control at [472, 577)    -> 16  (right edges meet)
//   visible 561 at offset 16, a control at [600, 678)   -> 117
//   visible 561 at offset 117, a control at [376, 433)  -> 117 (already in view)
//   visible 561 at offset 117, a control at [8, 431)    -> 8   (left edges meet)
//   visible 100 at offset 0, a control at [472, 577)    -> 472 (too wide: left edges meet)
#pragma once

namespace parcyl {

constexpr int OffsetToShow(int offset, int visible, int start, int end) {
  if (start < offset) return start;
  if (end > offset + visible) return end - start > visible ? start : end - visible;
  return offset;
}

}  // namespace parcyl
