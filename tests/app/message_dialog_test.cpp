// The message box of our own: texts, icon, closing, and a message too long
// for the screen.
#include "app/message_dialog.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

#include "qt_test_application.h"

namespace parcyl::testing {
namespace {

class MessageDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { QtTestApplication(); }

  static void ShowAndWait(MessageDialog& dialog) {
    dialog.open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  }
};

TEST_F(MessageDialogTest, ShowsTheCaptionTheTextTheIconAndOneOkButton) {
  MessageDialog error(QStringLiteral("parcyl"), QStringLiteral("Floating point overflow."),
                      MessageDialog::Icon::kStop);
  EXPECT_EQ(error.windowTitle(), QStringLiteral("parcyl"));
  EXPECT_EQ(error.TextView()->toPlainText(), QStringLiteral("Floating point overflow."));
  EXPECT_NE(error.findChild<QLabel*>(QStringLiteral("icon")), nullptr);
  const QList<QPushButton*> buttons = error.findChildren<QPushButton*>();
  ASSERT_EQ(buttons.size(), 1);
  EXPECT_EQ(buttons[0]->text(), QStringLiteral("OK"));
  EXPECT_TRUE(buttons[0]->isDefault());

  MessageDialog prompt(QStringLiteral("parcyl"),
                       QStringLiteral("Введите величину раскрыва антенны в мм"),
                       MessageDialog::Icon::kNone);
  EXPECT_EQ(prompt.findChild<QLabel*>(QStringLiteral("icon")), nullptr);
  // Short enough for one line: no wrapping, no scrolling.
  EXPECT_EQ(prompt.TextView()->document()->lineCount(), 1);
}

TEST_F(MessageDialogTest, OkEnterEscapeAndTheCloseBoxAllCloseIt) {
  enum class How { kOk, kEnter, kEscape, kClose };
  for (How how : {How::kOk, How::kEnter, How::kEscape, How::kClose}) {
    MessageDialog dialog(QStringLiteral("parcyl"), QStringLiteral("text"),
                         MessageDialog::Icon::kNone);
    ShowAndWait(dialog);
    switch (how) {
      case How::kOk:
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        break;
      case How::kEnter:
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
        break;
      case How::kEscape:
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Escape);
        break;
      case How::kClose:
        dialog.close();
        break;
    }
    EXPECT_FALSE(dialog.isVisible()) << static_cast<int>(how);
  }
}

TEST_F(MessageDialogTest, IsModalForTheApplicationAndCentredOnTheScreen) {
  MessageDialog dialog(QStringLiteral("parcyl"), QStringLiteral("text"),
                       MessageDialog::Icon::kStop);
  EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE(std::abs(dialog.geometry().center().x() - screen.center().x()), 1);
  EXPECT_LE(std::abs(dialog.geometry().center().y() - screen.center().y()), 1);
}

TEST_F(MessageDialogTest, AMessageLongerThanTheScreenScrollsInsideABoxThatFits) {
  // What a pasted page gives: one word far wider than the screen, or many
  // short words; wrapped, either is far taller than the screen.
  const QString messages[] = {
      QStringLiteral("'%1' is not a valid floating point value.").arg(QString(200000, u'7')),
      QStringLiteral("'%1' is not a valid floating point value.")
          .arg(QStringLiteral("1000 2000 1296 ").repeated(250)),
  };
  for (const QString& message : messages) {
    SCOPED_TRACE(message.size());
    MessageDialog dialog(QStringLiteral("parcyl"), message, MessageDialog::Icon::kStop);
    ShowAndWait(dialog);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(dialog.frameGeometry()))
        << dialog.frameGeometry().width() << "x" << dialog.frameGeometry().height();
    QPushButton* ok = dialog.OkButton();
    EXPECT_TRUE(ok->isVisible());
    EXPECT_TRUE(dialog.rect().contains(QRect(ok->mapTo(&dialog, QPoint(0, 0)), ok->size())));
    EXPECT_LE(dialog.TextView()->width(), screen.width() / 2 + 40);
    EXPECT_TRUE(dialog.TextView()->verticalScrollBar()->isVisible());
    EXPECT_GT(dialog.TextView()->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(dialog.TextView()->toPlainText(), message);

    QTest::keyClick(dialog.windowHandle(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), message);
    QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
  }
}

TEST_F(MessageDialogTest, AnEmptyMessageStillShowsItsButton) {
  MessageDialog dialog(QStringLiteral("parcyl"), QString(), MessageDialog::Icon::kStop);
  ShowAndWait(dialog);
  EXPECT_TRUE(dialog.OkButton()->isVisible());
  EXPECT_EQ(dialog.TextView()->toPlainText(), QString());
}

}  // namespace
}  // namespace parcyl::testing
