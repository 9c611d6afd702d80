// The names the application takes from its executable's path. '/' separates
// the folders on this system.
//
//   ApplicationTitle("/usr/bin/calc.exe")   -> "calc"
//   ApplicationTitle("/opt/CALC.EXE")       -> "Calc"   (the first letter keeps its case)
//   ApplicationTitle("/opt/my.calc.exe")    -> "my"     (cut at the first full stop)
//   ApplicationTitle("/opt/ПАРЦИЛ")         -> "Парцил" (Unicode case rules)
//   ExecutableFileName("/usr/bin/calc.exe") -> "calc.exe"
#pragma once

#include <QString>

namespace parcyl {

// The caption of the error and prompt dialogs.
QString ApplicationTitle(const QString& executable_path);

// The caption of the math error box: the file name with its extension.
QString ExecutableFileName(const QString& executable_path);

}  // namespace parcyl
