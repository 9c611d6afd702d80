// The one place where the core's texts (UTF-8 std::string) and Qt's
// QString meet.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace parcyl {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQString(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

// The decimal symbol of the user's locale (LC_ALL, LC_NUMERIC, LANG), as
// Qt's locale data has it; the source of the decimal mark for the window
// and for parcyl-calc alike.
std::optional<std::string> SystemDecimalSymbol();

}  // namespace parcyl
