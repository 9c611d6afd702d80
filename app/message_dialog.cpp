#include "app/message_dialog.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

namespace parcyl {
namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kOkButtonWidth = 75;

// Wrapping at word boundaries takes time quadratic in the length of a word
// wider than the box; a word that long is no word to keep whole.
constexpr qsizetype kLongestWordToKeepWhole = 200;

// Past this many characters a text is taken to fill the largest box.
constexpr qsizetype kLongestTextToMeasure = 4096;

qsizetype LongestWord(const QString& text) {
  qsizetype longest = 0;
  qsizetype current = 0;
  for (const QChar c : text) {
    current = c.isSpace() ? 0 : current + 1;
    longest = std::max(longest, current);
  }
  return longest;
}

QScreen* ScreenFor(const QWidget* parent) {
  if (parent != nullptr && parent->screen() != nullptr) return parent->screen();
  return QGuiApplication::primaryScreen();
}

QRect AvailableArea(const QWidget* parent) {
  const QScreen* screen = ScreenFor(parent);
  return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

}  // namespace

MessageDialog::MessageDialog(const QString& caption, const QString& text, Icon icon,
                             QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      text_(text) {
  setWindowTitle(caption);
  setWindowModality(Qt::ApplicationModal);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  grid->setHorizontalSpacing(kMargin);
  grid->setVerticalSpacing(kMargin);
  grid->setSizeConstraint(QLayout::SetFixedSize);

  int text_column = 0;
  if (icon == Icon::kStop) {
    auto* icon_label = new QLabel(this);
    icon_label->setObjectName(QStringLiteral("icon"));
    icon_label->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(kIconSize, kIconSize));
    icon_label->setFixedSize(kIconSize, kIconSize);
    grid->addWidget(icon_label, 0, 0, Qt::AlignTop);
    text_column = 1;
  }

  // A read-only text view rather than a label: it wraps inside a word that
  // is wider than the box, and it scrolls when the text is taller than the
  // screen allows.
  text_view_ = new QTextEdit(this);
  text_view_->setObjectName(QStringLiteral("text"));
  text_view_->setReadOnly(true);
  text_view_->setFrameShape(QFrame::NoFrame);
  text_view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text_view_->setFocusPolicy(Qt::ClickFocus);
  text_view_->viewport()->setAutoFillBackground(false);
  text_view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text_view_->setWordWrapMode(LongestWord(text_) > kLongestWordToKeepWhole
                                  ? QTextOption::WrapAnywhere
                                  : QTextOption::WrapAtWordBoundaryOrAnywhere);
  text_view_->document()->setDocumentMargin(0);
  text_view_->setPlainText(text_);
  SizeTextView();
  grid->addWidget(text_view_, 0, text_column, Qt::AlignVCenter);

  ok_button_ = new QPushButton(QStringLiteral("OK"), this);
  ok_button_->setObjectName(QStringLiteral("ok"));
  ok_button_->setDefault(true);
  ok_button_->setMinimumWidth(kOkButtonWidth);
  connect(ok_button_, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_button_);
  buttons->addStretch();
  grid->addLayout(buttons, 1, 0, 1, text_column + 1);
  ok_button_->setFocus();

  grid->activate();
  const QRect area = AvailableArea(parent);
  move(area.center() - QPoint(width() / 2, height() / 2));
}

// Measured on a document of its own: the view's document follows the
// view's width, which is not settled before the box shows. A text that
// long fills the largest box anyway and is not measured at all.
void MessageDialog::SizeTextView() {
  const QRect area = AvailableArea(parentWidget());
  // Room for the title bar, the margins and the button row.
  const int max_width = area.width() / 2;
  const int max_height = area.height() * 3 / 5;
  const int scroll_bar_width = text_view_->verticalScrollBar()->sizeHint().width();
  if (text_.size() > kLongestTextToMeasure) {
    text_view_->setFixedSize(max_width + scroll_bar_width, max_height);
    return;
  }

  QTextDocument measure;
  measure.setDefaultFont(text_view_->font());
  measure.setDocumentMargin(0);
  QTextOption option = measure.defaultTextOption();
  option.setWrapMode(text_view_->wordWrapMode());
  measure.setDefaultTextOption(option);
  measure.setPlainText(text_);
  int width = std::clamp(static_cast<int>(std::ceil(measure.idealWidth())), 1, max_width);
  measure.setTextWidth(width);
  int height = static_cast<int>(std::ceil(measure.size().height()));
  if (height > max_height) {
    height = max_height;
    width += scroll_bar_width;
  }
  text_view_->setFixedSize(width, std::max(height, 1));
}

void MessageDialog::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    QGuiApplication::clipboard()->setText(text_);
    return;
  }
  QDialog::keyPressEvent(event);
}

void MessageDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (bring_to_front_) {
    raise();
    activateWindow();
  }
}

}  // namespace parcyl
