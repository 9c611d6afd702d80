// The main window as the program builds it, shown and active on the
// offscreen platform, with recorders in place of the dialogs and the help
// viewer.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QWindow>
#include <memory>
#include <optional>
#include <string>

#include "app/application.h"
#include "app/form_scroll_area.h"
#include "app/tform1.h"
#include "calc/decimal_mark.h"
#include "qt_test_application.h"
#include "recorders.h"

namespace parcyl::testing {

// Title "Parcyl", math box caption "Parcyl.Test.bin": the two rules differ.
inline constexpr char kTestExecutable[] = "/opt/tools/Parcyl.Test.bin";
inline const QString kHelpFile = QStringLiteral(R"(G:\moi_proekty\parcyl1\PARCYL1.HLP)");

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QtTestApplication();
    ReadDecimalMark([] { return std::optional<std::string>(","); });
    application_ =
        std::make_unique<Application>(QString::fromLatin1(kTestExecutable), dialogs_, help_,
                                      [] { return std::optional<std::string>(","); });
    application_->SetHelpFile(kHelpFile);
    form_ = std::make_unique<TForm1>(*application_);
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }

  void TearDown() override {
    form_.reset();
    application_.reset();
  }

  template <class T = QWidget>
  T* Control(const char* name) const {
    T* control = form_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }

  // A key typed on the keyboard, delivered through the window as the window
  // system would deliver it: to the focused control, then up its parents.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(form_->windowHandle(), key, modifiers);
  }

  void Click(QWidget* widget, QPoint at = QPoint()) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
  }

  void Type(const char* edit, const QString& text) {
    Click(Control(edit));
    QTest::keyClicks(Control(edit), text);
  }

  void Compute(const QString& aperture, const QString& width, const QString& frequency) {
    Control<QLineEdit>("Edit1")->setText(aperture);
    Control<QLineEdit>("Edit2")->setText(width);
    Control<QLineEdit>("Edit3")->setText(frequency);
    Click(Control("Button1"));
  }

  QString LabelText(const char* name) const { return Control<QLabel>(name)->text(); }

  // Client size; the offscreen platform draws no frame.
  void ResizeClient(int width, int height) {
    form_->resize(width, height);
    QCoreApplication::processEvents();
  }

  FormScrollArea* Area() const { return form_->findChild<FormScrollArea*>(); }
  QScrollBar* HBar() const { return Area()->horizontalScrollBar(); }
  QScrollBar* VBar() const { return Area()->verticalScrollBar(); }
  int VisibleWidth() const { return Area()->viewport()->width(); }
  int VisibleHeight() const { return Area()->viewport()->height(); }

  static QWidget* Focus() { return QApplication::focusWidget(); }

  RecordingDialogs dialogs_;
  RecordingHelpViewer help_;
  std::unique_ptr<Application> application_;
  std::unique_ptr<TForm1> form_;
};

}  // namespace parcyl::testing
