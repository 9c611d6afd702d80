// One QApplication for a test process, made on first use. The tests run on
// the offscreen platform (QT_QPA_PLATFORM=offscreen, set by CTest).
#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

namespace parcyl::testing {

inline QApplication& QtTestApplication() {
  static int argc = 1;
  static char name[] = "parcyl_app_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* application = new QApplication(argc, argv);
  return *application;
}

// Runs the event loop, does `action` inside it, and tells whether the loop
// then ended by itself, as the program's would; gives up after `limit_ms`.
inline bool EventLoopEndsAfter(const std::function<void()>& action, int limit_ms = 5000) {
  bool gave_up = false;
  QTimer::singleShot(0, qApp, action);
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&gave_up] {
    gave_up = true;
    QCoreApplication::exit(1);
  });
  guard.start(limit_ms);
  const int code = QApplication::exec();
  return !gave_up && code == 0;
}

}  // namespace parcyl::testing
