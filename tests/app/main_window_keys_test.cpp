// Focus and keys: Tab order, arrows, Enter, Escape, F1.
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include "app/form_button.h"
#include "app/message_dialog.h"
#include "main_window_fixture.h"

namespace parcyl::testing {
namespace {

TEST_F(MainWindowTest, TabAndShiftTabFollowTheTabOrderAndWrap) {
  const char* const order[] = {"Button2", "Edit1", "Edit2", "Edit3", "Button1"};
  for (const char* next : order) {
    Key(Qt::Key_Tab);
    EXPECT_EQ(Focus(), Control(next)) << next;
  }
  const char* const reverse[] = {"Edit3", "Edit2", "Edit1", "Button2", "Button1"};
  for (const char* previous : reverse) {
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focus(), Control(previous)) << previous;
  }
}

TEST_F(MainWindowTest, ArrowsMoveTheFocusFromAButton) {
  struct Case {
    const char* from;
    Qt::Key key;
    const char* to;
  };
  const Case cases[] = {
      {"Button1", Qt::Key_Right, "Button2"}, {"Button1", Qt::Key_Down, "Button2"},
      {"Button2", Qt::Key_Right, "Edit1"},   {"Button1", Qt::Key_Left, "Edit3"},
      {"Button1", Qt::Key_Up, "Edit3"},      {"Button2", Qt::Key_Left, "Button1"},
  };
  for (const Case& c : cases) {
    Control(c.from)->setFocus(Qt::OtherFocusReason);
    Key(c.key);
    EXPECT_EQ(Focus(), Control(c.to)) << c.from << " key " << c.key;
  }
}

TEST_F(MainWindowTest, ArrowsInAFieldMoveTheCaretAndNeitherTheFocusNorTheContent) {
  auto* edit = Control<QLineEdit>("Edit2");
  edit->setText(QStringLiteral("1296"));
  edit->setFocus(Qt::OtherFocusReason);
  edit->setCursorPosition(2);
  const int h = HBar()->value();
  const int v = VBar()->value();
  Key(Qt::Key_Left);
  EXPECT_EQ(edit->cursorPosition(), 1);
  Key(Qt::Key_Right);
  EXPECT_EQ(edit->cursorPosition(), 2);
  for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown}) Key(key);
  EXPECT_EQ(Focus(), edit);
  EXPECT_EQ(HBar()->value(), h);
  EXPECT_EQ(VBar()->value(), v);
}

TEST_F(MainWindowTest, EnteringAFieldByKeyboardSelectsItsTextAndAClickOnlyPlacesTheCaret) {
  auto* edit1 = Control<QLineEdit>("Edit1");
  auto* edit2 = Control<QLineEdit>("Edit2");
  edit1->setText(QStringLiteral("1000"));
  edit2->setText(QStringLiteral("2000"));
  Key(Qt::Key_Tab);  // Button2
  Key(Qt::Key_Tab);  // Edit1
  EXPECT_EQ(edit1->selectedText(), QStringLiteral("1000"));
  Key(Qt::Key_Tab);
  EXPECT_EQ(edit2->selectedText(), QStringLiteral("2000"));
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(edit1->selectedText(), QStringLiteral("1000"));

  Control("Button2")->setFocus(Qt::OtherFocusReason);
  Key(Qt::Key_Right);
  EXPECT_EQ(edit1->selectedText(), QStringLiteral("1000"));

  Control("Button1")->setFocus(Qt::OtherFocusReason);
  Click(edit2, QPoint(2, edit2->height() / 2));
  EXPECT_EQ(Focus(), edit2);
  EXPECT_FALSE(edit2->hasSelectedText());
  EXPECT_EQ(edit2->cursorPosition(), 0);
}

TEST_F(MainWindowTest, TheFocusedButtonIsTheDefaultAndNoneWhileAFieldHasTheFocus) {
  auto* button1 = Control<FormButton>("Button1");
  auto* button2 = Control<FormButton>("Button2");
  Key(Qt::Key_Tab);
  EXPECT_FALSE(button1->DrawnAsDefault());
  EXPECT_TRUE(button2->DrawnAsDefault());
  Key(Qt::Key_Tab);
  EXPECT_FALSE(button1->DrawnAsDefault());
  EXPECT_FALSE(button2->DrawnAsDefault());
}

TEST_F(MainWindowTest, EnterOnButton1RunsTheCommandWhichPromptsForTheEmptyFields) {
  Key(Qt::Key_Return);
  ASSERT_EQ(dialogs_.shown.size(), 1u);
  EXPECT_EQ(dialogs_.shown[0],
            (ShownDialog{ShownDialog::Kind::kPrompt, QStringLiteral("Parcyl"),
                         QStringLiteral("Введите величину раскрыва антенны в мм")}));
  Key(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(dialogs_.shown.size(), 2u);
}

TEST_F(MainWindowTest, EnterInAFieldAndEscapeAnywhereDoNothing) {
  QSignalSpy button1(Control<QPushButton>("Button1"), &QPushButton::clicked);
  QSignalSpy button2(Control<QPushButton>("Button2"), &QPushButton::clicked);
  for (const char* edit : {"Edit1", "Edit2", "Edit3"}) {
    Control(edit)->setFocus(Qt::OtherFocusReason);
    Key(Qt::Key_Return);
    Key(Qt::Key_Escape);
  }
  for (const char* button : {"Button1", "Button2"}) {
    Control(button)->setFocus(Qt::OtherFocusReason);
    Key(Qt::Key_Escape);
  }
  EXPECT_EQ(button1.count(), 0);
  EXPECT_EQ(button2.count(), 0);
  EXPECT_TRUE(dialogs_.shown.empty());
  EXPECT_TRUE(form_->isVisible());
}

TEST_F(MainWindowTest, TheExitButtonClosesTheWindowAndEndsTheProgram) {
  Control("Button2")->setFocus(Qt::OtherFocusReason);
  EXPECT_TRUE(EventLoopEndsAfter([this] { Key(Qt::Key_Return); }));
  EXPECT_FALSE(form_->isVisible());
  EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(MainWindowTest, F1FromEveryControlAsksForContext1OfTheHelpFileOncePerOpenViewer) {
  for (const char* control : {"Button1", "Button2", "Edit1", "Edit2", "Edit3"}) {
    SCOPED_TRACE(control);
    help_.requests.clear();
    help_.open = false;
    Control(control)->setFocus(Qt::OtherFocusReason);
    Key(Qt::Key_F1);
    EXPECT_EQ(help_.requests, (std::vector<HelpRequest>{{kHelpFile, 1}}));
    Key(Qt::Key_F1);  // the viewer's window is open on context 1
    EXPECT_EQ(help_.requests.size(), 1u);
    help_.open = false;  // the user closes it
    Key(Qt::Key_F1);
    EXPECT_EQ(help_.requests.size(), 2u);
  }
}

TEST_F(MainWindowTest, F1InADialogAsksForNoHelp) {
  MessageDialog dialog(QStringLiteral("Parcyl"), QStringLiteral("Введите величину"),
                       MessageDialog::Icon::kNone, form_.get());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  QTest::keyClick(dialog.windowHandle(), Qt::Key_F1);
  EXPECT_TRUE(help_.requests.empty());
  EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
}  // namespace parcyl::testing
