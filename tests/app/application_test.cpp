// The application: title rules, the error dialog's text, the help requests,
// the settings-change notice and the quit at exit.
#include "app/application.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QTest>
#include <QWidget>
#include <optional>
#include <string>

#include "app/application_title.h"
#include "app/bundled_help_viewer.h"
#include "app/tform1.h"
#include "calc/decimal_mark.h"
#include "qt_test_application.h"
#include "recorders.h"

namespace parcyl::testing {
namespace {

TEST(ApplicationTitleTest, FollowsTheExecutablesName) {
  struct Case {
    const char* path;
    const char* title;
    const char* file_name;
  };
  const Case cases[] = {
      {"/usr/bin/calc.exe", "calc", "calc.exe"},
      {"/usr/bin/CALC.EXE", "Calc", "CALC.EXE"},
      {"/usr/bin/my.calc.exe", "my", "my.calc.exe"},
      {"/work/build/app/parcyl", "parcyl", "parcyl"},
      {"parcyl", "parcyl", "parcyl"},
      {"/opt/My.Dir/PaRcYl", "Parcyl", "PaRcYl"},
      {"/opt/.hidden", "", ".hidden"},
      {"/opt/ПАРЦИЛ.bin", "Парцил", "ПАРЦИЛ.bin"},
      {"/opt/a\\b.exe", "a\\b", "a\\b.exe"},  // a backslash is no separator here
  };
  for (const Case& c : cases) {
    const QString path = QString::fromUtf8(c.path);
    EXPECT_EQ(ApplicationTitle(path), QString::fromUtf8(c.title)) << c.path;
    EXPECT_EQ(ExecutableFileName(path), QString::fromUtf8(c.file_name)) << c.path;
  }
}

class ApplicationTest : public ::testing::Test {
 protected:
  void SetUp() override { QtTestApplication(); }

  RecordingDialogs dialogs_;
  RecordingHelpViewer help_;
  std::optional<std::string> mark_ = std::string(",");
};

TEST_F(ApplicationTest, ShowsAnErrorWithTheTitleAndTheFullStopRule) {
  Application application(QStringLiteral("/usr/bin/CALC.EXE"), dialogs_, help_,
                          [this] { return mark_; });
  application.ShowException(Exception("Floating point overflow"));
  application.ShowException(Exception("Done."));
  application.ShowException(Exception(""));
  const std::vector<ShownDialog> expected{
      {ShownDialog::Kind::kError, QStringLiteral("Calc"),
       QStringLiteral("Floating point overflow.")},
      {ShownDialog::Kind::kError, QStringLiteral("Calc"), QStringLiteral("Done.")},
      {ShownDialog::Kind::kError, QStringLiteral("Calc"), QString()},
  };
  EXPECT_EQ(dialogs_.shown, expected);
}

TEST_F(ApplicationTest, ALocaleChangeDeliveredToTheApplicationReadsTheMarkAgain) {
  Application application(QStringLiteral("/usr/bin/parcyl"), dialogs_, help_,
                          [this] { return mark_; });
  ReadDecimalMark([this] { return mark_; });
  ASSERT_EQ(DecimalMark(), ',');
  mark_ = std::string(".");
  QEvent to_a_widget(QEvent::LocaleChange);
  QWidget widget;
  QCoreApplication::sendEvent(&widget, &to_a_widget);
  EXPECT_EQ(DecimalMark(), ',');
  QEvent change(QEvent::LocaleChange);
  QCoreApplication::sendEvent(qApp, &change);
  EXPECT_EQ(DecimalMark(), '.');
  mark_ = std::nullopt;  // the setting cannot be had
  QCoreApplication::sendEvent(qApp, &change);
  EXPECT_EQ(DecimalMark(), '.');
}

TEST_F(ApplicationTest, HelpIsNotAskedAgainWhileTheViewerIsOpenOnTheSameContext) {
  Application application(QStringLiteral("/usr/bin/parcyl"), dialogs_, help_,
                          [this] { return mark_; });
  application.SetHelpFile(QStringLiteral(R"(G:\moi_proekty\parcyl1\PARCYL1.HLP)"));
  application.HelpCommand(1);
  application.HelpCommand(1);
  application.HelpCommand(2);  // another context is a new request
  application.HelpCommand(1);
  help_.open = false;
  application.HelpCommand(1);
  const QString file = QStringLiteral(R"(G:\moi_proekty\parcyl1\PARCYL1.HLP)");
  EXPECT_EQ(help_.requests, (std::vector<HelpRequest>{{file, 1}, {file, 2}, {file, 1}, {file, 1}}));
}

TEST_F(ApplicationTest, TheHelpViewerIsToldToQuitAtExitAskedOrNot) {
  {
    Application application(QStringLiteral("/usr/bin/parcyl"), dialogs_, help_,
                            [this] { return mark_; });
  }
  EXPECT_EQ(help_.quits, 1);
  EXPECT_TRUE(help_.requests.empty());
}

TEST_F(ApplicationTest, ClosingTheMainWindowEndsTheProgramWhileTheHelpWindowIsOpen) {
  BundledHelpViewer viewer;
  {
    Application application(QStringLiteral("/usr/bin/parcyl"), dialogs_, viewer,
                            [this] { return mark_; });
    application.SetHelpFile(QStringLiteral(R"(G:\moi_proekty\parcyl1\PARCYL1.HLP)"));
    TForm1 form(application);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(form.windowHandle(), Qt::Key_F1);
    ASSERT_TRUE(viewer.IsWindowOpen());
    EXPECT_TRUE(EventLoopEndsAfter([&form] { form.close(); }));
  }
  EXPECT_FALSE(viewer.IsWindowOpen());
}

}  // namespace
}  // namespace parcyl::testing
