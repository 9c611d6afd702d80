// parcyl: the window. Start-up, in this order: the floating-point settings,
// the decimal mark, the application with its title and icon, the help file,
// the main window, the event loop. The exit code is 0 in every case.
#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/application.h"
#include "app/bundled_help_viewer.h"
#include "app/message_boxes.h"
#include "app/qt_text_bridge.h"
#include "app/resources/MAINICON.xpm"
#include "app/tform1.h"
#include "calc/decimal_mark.h"
#include "calc/errors.h"
#include "calc/fpu_env.h"

namespace {

// The help file of the program, as its authors named it on their own
// machine; the help viewer finds its book by the file name alone.
constexpr char kHelpFile[] = R"(G:\moi_proekty\parcyl1\PARCYL1.HLP)";

bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

// Qt would abort without a display; say so plainly instead.
bool WindowCanOpen() {
  return IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char* argv[]) {
  parcyl::LoadCalculationFpuSettings();
  parcyl::ReadDecimalMark(&parcyl::SystemDecimalSymbol);
  if (!WindowCanOpen()) {
    std::fputs(
        "parcyl: there is no display here (neither DISPLAY nor WAYLAND_DISPLAY is set), so the "
        "window cannot open.\nThe same calculation runs in a terminal: parcyl-calc 1000 2000 "
        "1296\n",
        stderr);
    return 0;
  }

  QApplication qt_application(argc, argv);
  QApplication::setWindowIcon(QIcon(QPixmap(mainicon_xpm)));
  // Ties the window to its desktop entry and its icon in the theme.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.parcyl.Parcyl"));
  parcyl::MessageBoxes dialogs;
  parcyl::BundledHelpViewer help_viewer;
  parcyl::Application application(QCoreApplication::applicationFilePath(), dialogs, help_viewer,
                                  &parcyl::SystemDecimalSymbol);
  try {
    application.SetHelpFile(QString::fromUtf8(kHelpFile));
    parcyl::TForm1 form1(application);
    form1.show();
    QApplication::exec();
  } catch (const parcyl::Exception& error) {
    application.ShowException(error);
  } catch (...) {
    application.ShowException(parcyl::Exception(std::string()));
  }
  return 0;
}
