// A help viewer for the books bundled with the program.
//
// A help file is asked for by a path from another system, such as
// "G:\moi_proekty\parcyl1\PARCYL1.HLP"; the viewer keeps the part after the
// last backslash and looks for a book of that name under its root,
// ignoring case: ":/help/parcyl1.hlp". Each topic of a book is the page
// named after its context number: context 1 is ":/help/parcyl1.hlp/1.html".
//
// The window is made on the first request, so that the program starts
// without it. A missing book or topic shows the viewer's own message in
// that window.
#pragma once

#include <QString>
#include <memory>

#include "app/help_viewer.h"

class QTextBrowser;
class QWidget;

namespace parcyl {

class BundledHelpViewer : public HelpViewer {
 public:
  explicit BundledHelpViewer(QString books_root = QStringLiteral(":/help"));
  ~BundledHelpViewer() override;

  void ShowContext(const QString& help_file, int context) override;
  bool IsWindowOpen() const override;
  void Quit() override;

  // The viewer's window, or nullptr before the first request.
  QWidget* Window() const { return window_.get(); }
  QTextBrowser* Browser() const { return browser_; }

  // The book's folder for a requested help file, or an empty text.
  QString FindBook(const QString& help_file) const;

 private:
  void MakeWindow();

  QString books_root_;
  std::unique_ptr<QWidget> window_;
  QTextBrowser* browser_ = nullptr;
};

}  // namespace parcyl
