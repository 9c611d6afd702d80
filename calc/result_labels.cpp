#include "calc/result_labels.h"

namespace parcyl {

std::string_view LabelName(ResultLabel label) {
  switch (label) {
    case ResultLabel::kLabel3: return "Label3";
    case ResultLabel::kLabel4: return "Label4";
    case ResultLabel::kLabel5: return "Label5";
    case ResultLabel::kLabel6: return "Label6";
    case ResultLabel::kLabel9: return "Label9";
    case ResultLabel::kLabel10: return "Label10";
    case ResultLabel::kLabel11: return "Label11";
    case ResultLabel::kLabel12: return "Label12";
    case ResultLabel::kLabel13: return "Label13";
    case ResultLabel::kLabel14: return "Label14";
    case ResultLabel::kLabel15: return "Label15";
    case ResultLabel::kLabel16: return "Label16";
  }
  return {};
}

}  // namespace parcyl
