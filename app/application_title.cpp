#include "app/application_title.h"

namespace parcyl {

QString ExecutableFileName(const QString& executable_path) {
  return executable_path.mid(executable_path.lastIndexOf(u'/') + 1);
}

QString ApplicationTitle(const QString& executable_path) {
  const QString name = ExecutableFileName(executable_path);
  const QString stem = name.left(name.indexOf(u'.'));
  if (stem.isEmpty()) return stem;
  // The first character is a UTF-16 unit; a name that starts outside the
  // basic plane keeps both halves of its first character as they are.
  const qsizetype first = stem.front().isHighSurrogate() ? 2 : 1;
  return stem.left(first) + stem.mid(first).toLower();
}

}  // namespace parcyl
