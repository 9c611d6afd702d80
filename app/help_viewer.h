// What the application asks of a help viewer: show a topic of a help file
// by its context number, say whether its window is open, and quit.
#pragma once

#include <QString>

namespace parcyl {

class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  // Opens the viewer's window at the topic; a missing file or topic is the
  // viewer's own business to report.
  virtual void ShowContext(const QString& help_file, int context) = 0;
  virtual bool IsWindowOpen() const = 0;
  // The application no longer needs the viewer: its window closes.
  virtual void Quit() = 0;
};

}  // namespace parcyl
