#include "app/qt_text_bridge.h"

#include <QLocale>

namespace parcyl {

std::optional<std::string> SystemDecimalSymbol() {
  return FromQString(QLocale::system().decimalPoint());
}

}  // namespace parcyl
