#include "app/bundled_help_viewer.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace parcyl {
namespace {

constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 560;

QString FileNamePart(const QString& help_file) {
  return help_file.mid(help_file.lastIndexOf(u'\\') + 1);
}

QUrl UrlOfPath(const QString& path) {
  if (path.startsWith(u':')) return QUrl(QStringLiteral("qrc") + path);
  return QUrl::fromLocalFile(path);
}

}  // namespace

BundledHelpViewer::BundledHelpViewer(QString books_root) : books_root_(std::move(books_root)) {}

BundledHelpViewer::~BundledHelpViewer() = default;

QString BundledHelpViewer::FindBook(const QString& help_file) const {
  const QString name = FileNamePart(help_file);
  if (name.isEmpty()) return {};
  const QDir root(books_root_);
  const QStringList books = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  for (const QString& book : books) {
    if (book.compare(name, Qt::CaseInsensitive) == 0) return root.filePath(book);
  }
  return {};
}

void BundledHelpViewer::MakeWindow() {
  window_ = std::make_unique<QWidget>();
  window_->setObjectName(QStringLiteral("HelpWindow"));
  window_->setAttribute(Qt::WA_QuitOnClose, false);
  window_->resize(kWindowWidth, kWindowHeight);
  // Centred, so that a window manager that places new windows at the top
  // left does not push the page off the bottom of the screen.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    window_->resize(window_->size().boundedTo(area.size()));
    window_->move(area.center() - window_->rect().center());
  }
  auto* layout = new QVBoxLayout(window_.get());
  layout->setContentsMargins(0, 0, 0, 0);
  browser_ = new QTextBrowser(window_.get());
  browser_->setOpenExternalLinks(false);
  layout->addWidget(browser_);
}

void BundledHelpViewer::ShowContext(const QString& help_file, int context) {
  if (!window_) MakeWindow();
  const QString name = FileNamePart(help_file);
  const QString book = FindBook(help_file);
  const QString topic =
      book.isEmpty() ? QString() : QStringLiteral("%1/%2.html").arg(book).arg(context);
  if (book.isEmpty()) {
    window_->setWindowTitle(QStringLiteral("Справка"));
    browser_->setPlainText(QStringLiteral("Не найден файл справки «%1».").arg(name));
  } else if (!QFileInfo::exists(topic)) {
    window_->setWindowTitle(QStringLiteral("Справка: %1").arg(name));
    browser_->setPlainText(
        QStringLiteral("В файле справки «%1» нет раздела с номером %2.").arg(name).arg(context));
  } else {
    const QUrl url = UrlOfPath(topic);
    // A message shown in between leaves the source as it was.
    if (browser_->source() == url) {
      browser_->reload();
    } else {
      browser_->setSource(url);
    }
    window_->setWindowTitle(QStringLiteral("Справка: %1").arg(browser_->documentTitle()));
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

bool BundledHelpViewer::IsWindowOpen() const { return window_ && window_->isVisible(); }

void BundledHelpViewer::Quit() {
  if (window_) window_->close();
}

}  // namespace parcyl
