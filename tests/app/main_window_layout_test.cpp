// The window as it first shows: controls, geometry, fonts, colours, texts.
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <limits>
#include <optional>

#include "app/form_button.h"
#include "app/form_label.h"
#include "app/picture_box.h"
#include "main_window_fixture.h"

namespace parcyl::testing {
namespace {

const QColor kBlue(0, 0, 255);
const QColor kMaroon(128, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

struct ControlRecord {
  const char* name;
  const char* class_name;
  int left;
  int top;
  int width;  // 0: a label, as wide as its text
  int height;
  int pixel_size;
  bool bold;
  // The text colour; an invalid colour is the window-text colour, and none
  // is not checked (the picture has no text, a button's is the style's).
  std::optional<QColor> colour;
};

// In creation order, which is the stacking order: a later control covers an
// earlier one.
const ControlRecord kControls[] = {
    {"Label1", "parcyl::FormLabel", 8, 0, 0, 24, 19, true, kBlue},
    {"Label2", "parcyl::FormLabel", 8, 32, 0, 20, 16, false, kMaroon},
    {"Label3", "parcyl::FormLabel", 48, 144, 0, 29, 24, true, kRed},
    {"Label4", "parcyl::FormLabel", 8, 176, 0, 20, 16, false, kMaroon},
    {"Label5", "parcyl::FormLabel", 8, 200, 0, 20, 16, false, kMaroon},
    {"Label6", "parcyl::FormLabel", 8, 224, 0, 20, 16, false, kMaroon},
    {"Label7", "parcyl::FormLabel", 8, 64, 0, 20, 16, false, kMaroon},
    {"Label8", "parcyl::FormLabel", 8, 96, 0, 20, 16, false, kMaroon},
    {"Label9", "parcyl::FormLabel", 8, 248, 0, 20, 16, false, kMaroon},
    {"Label10", "parcyl::FormLabel", 8, 272, 0, 20, 16, false, kMaroon},
    {"Label11", "parcyl::FormLabel", 8, 296, 0, 20, 16, false, kMaroon},
    {"Label12", "parcyl::FormLabel", 8, 368, 0, 20, 16, false, kBlack},
    {"Label13", "parcyl::FormLabel", 8, 392, 0, 20, 16, false, QColor()},
    {"Label14", "parcyl::FormLabel", 8, 416, 0, 16, 13, false, QColor()},
    {"Label15", "parcyl::FormLabel", 16, 336, 0, 20, 16, true, kBlue},
    {"Image1", "parcyl::PictureBox", 472, 88, 273, 409, 11, false, std::nullopt},
    {"Label16", "parcyl::FormLabel", 16, 452, 0, 16, 13, false, kRed},
    {"Button1", "parcyl::FormButton", 472, 32, 105, 33, 11, false, kBlack},
    {"Button2", "parcyl::FormButton", 600, 32, 78, 33, 11, false, std::nullopt},
    {"Edit1", "QLineEdit", 376, 32, 57, 24, 13, false, QColor()},
    {"Edit2", "QLineEdit", 376, 64, 57, 24, 13, false, QColor()},
    {"Edit3", "QLineEdit", 376, 96, 57, 24, 13, false, QColor()},
};

TEST_F(MainWindowTest, ControlsStandInCreationOrderWithTheirGeometryFontsAndColours) {
  const QWidget* content = Control("Button1")->parentWidget();
  QStringList names;
  for (const QObject* child : content->children()) names << child->objectName();
  QStringList expected;
  for (const ControlRecord& record : kControls) expected << QString::fromLatin1(record.name);
  EXPECT_EQ(names, expected);

  for (const ControlRecord& record : kControls) {
    SCOPED_TRACE(record.name);
    const QWidget* control = Control(record.name);
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->metaObject()->className(), record.class_name);
    EXPECT_EQ(control->pos(), QPoint(record.left, record.top));
    EXPECT_EQ(control->height(), record.height);
    const int width =
        record.width != 0
            ? record.width
            : QFontMetrics(control->font())
                  .horizontalAdvance(static_cast<const QLabel*>(control)->text().isEmpty()
                                         ? QStringLiteral(" ")
                                         : static_cast<const QLabel*>(control)->text());
    EXPECT_EQ(control->width(), width);
    EXPECT_EQ(control->font().pixelSize(), record.pixel_size);
    EXPECT_EQ(control->font().bold(), record.bold);
    // Resolved to the installed face, not to a fallback.
    EXPECT_EQ(QFontInfo(control->font()).family(), QStringLiteral("DejaVu Sans Condensed"));
    if (record.colour) {
      const QColor colour =
          record.colour->isValid() ? *record.colour : form_->palette().color(QPalette::WindowText);
      EXPECT_EQ(control->palette().color(control->foregroundRole()), colour);
    }
  }
}

TEST_F(MainWindowTest, OpensWithItsCaptionAndFrameAtTheRecordedPlace) {
  EXPECT_EQ(form_->windowTitle(), QStringLiteral("Расчет антенны 'Антенна QUIRA'"));
  EXPECT_EQ(form_->frameGeometry(), QRect(255, 126, 575, 486));
  EXPECT_EQ(form_->windowState(), Qt::WindowNoState);
  const Qt::WindowFlags flags = form_->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(HelpContext(form_.get()), 1);
  EXPECT_EQ(form_->font().pixelSize(), 11);
}

TEST_F(MainWindowTest, StartsWithEmptyFieldsAndResultsAndTheHelpHint) {
  for (const char* edit : {"Edit1", "Edit2", "Edit3"}) {
    EXPECT_EQ(Control<QLineEdit>(edit)->text(), QString()) << edit;
    EXPECT_EQ(Control<QLineEdit>(edit)->maxLength(), std::numeric_limits<int>::max()) << edit;
  }
  EXPECT_EQ(LabelText("Label1"), QStringLiteral("Расчет параболоцилиндрической антенны"));
  EXPECT_EQ(LabelText("Label2"), QStringLiteral("Введите величину раскрыва антенны в мм"));
  EXPECT_EQ(LabelText("Label7"), QStringLiteral("Введите ширину рефлектора антенны в мм"));
  EXPECT_EQ(LabelText("Label8"), QStringLiteral("Введите рабочую частоту антенны в МГц"));
  EXPECT_EQ(LabelText("Label3"), QStringLiteral("Для справки нажимайте F1"));
  for (const char* label : {"Label4", "Label5", "Label6", "Label9", "Label10", "Label11", "Label12",
                            "Label13", "Label14", "Label15", "Label16"}) {
    EXPECT_EQ(LabelText(label), QString()) << label;
  }
  EXPECT_EQ(Control<QPushButton>("Button1")->text(), QStringLiteral("Выполнить расчет"));
  EXPECT_EQ(Control<QPushButton>("Button2")->text(), QStringLiteral("Выход"));
}

TEST_F(MainWindowTest, Button1HasTheFocusAndIsDrawnAsTheDefault) {
  EXPECT_EQ(Focus(), Control("Button1"));
  EXPECT_TRUE(Control<FormButton>("Button1")->DrawnAsDefault());
  EXPECT_FALSE(Control<FormButton>("Button2")->DrawnAsDefault());
}

TEST_F(MainWindowTest, LabelsAndThePictureTakeNoFocus) {
  for (const ControlRecord& record : kControls) {
    const bool takes_focus = QString::fromLatin1(record.name).startsWith(u"Button") ||
                             QString::fromLatin1(record.name).startsWith(u"Edit");
    EXPECT_EQ(Control(record.name)->focusPolicy() != Qt::NoFocus, takes_focus) << record.name;
  }
}

TEST_F(MainWindowTest, LabelsPaintTheirWholeRectangleInTheFormsBackground) {
  const QColor face = form_->palette().color(QPalette::Button);
  auto* label = Control<FormLabel>("Label3");
  const QImage image = label->grab().toImage();
  // The last column lies right of the glyphs, the bottom row below them.
  EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), face);
  EXPECT_EQ(image.pixelColor(0, image.height() - 1), face);
  EXPECT_EQ(form_->backgroundRole(), QPalette::Button);
}

TEST_F(MainWindowTest, APictureLabelAndTheLaterLabel16OverlapInCreationOrder) {
  // Label16 (content y 452) lies inside the picture's rows and is created
  // after it: it covers the picture; Label1..15 lie beneath it.
  auto* picture = Control<PictureBox>("Image1");
  auto* label16 = Control<FormLabel>("Label16");
  label16->SetCaption(QString(200, u'W'));
  EXPECT_TRUE(label16->geometry().intersects(picture->geometry()));
  const QWidget* content = picture->parentWidget();
  EXPECT_GT(content->children().indexOf(label16), content->children().indexOf(picture));
  EXPECT_LT(content->children().indexOf(Control("Label15")), content->children().indexOf(picture));
}

TEST_F(MainWindowTest, ThePictureShowsAtNaturalSizeCutAtTheBottomWithAStripOnTheRight) {
  auto* picture = Control<PictureBox>("Image1");
  EXPECT_EQ(picture->Picture().size(), QSize(271, 413));
  const QImage shown = picture->grab().toImage();
  ASSERT_EQ(shown.size(), QSize(273, 409));
  const QColor face = form_->palette().color(QPalette::Button);
  for (int y : {0, 200, 408}) {
    EXPECT_EQ(shown.pixelColor(271, y), face) << y;
    EXPECT_EQ(shown.pixelColor(272, y), face) << y;
  }
  EXPECT_EQ(shown.pixelColor(23, 206), QColor(Qt::black));  // the vertex
  EXPECT_EQ(shown.pixelColor(150, 100), QColor(Qt::white));
}

}  // namespace
}  // namespace parcyl::testing
