// The labels of the main window that a calculation writes, by number.
#pragma once

#include <string_view>

namespace parcyl {

enum class ResultLabel {
  kLabel3 = 3,
  kLabel4 = 4,
  kLabel5 = 5,
  kLabel6 = 6,
  kLabel9 = 9,
  kLabel10 = 10,
  kLabel11 = 11,
  kLabel12 = 12,
  kLabel13 = 13,
  kLabel14 = 14,
  kLabel15 = 15,
  kLabel16 = 16,
};

// "Label3" ... "Label16": the control names of the window.
std::string_view LabelName(ResultLabel label);

}  // namespace parcyl
