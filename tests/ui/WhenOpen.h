// Answers a real modal dialog from a timer while it runs, so that tests can
// open the program's real dialogs and boxes without blocking.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace zazuzar::testing {

// Runs `answer` on the modal dialog of type T as soon as it is open. An
// answer must not ASSERT: a dialog it leaves open is closed here as a
// failure, so that the test goes on instead of waiting for ever.
template <typename T>
void WhenOpen(const std::function<void(T&)>& answer) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, answer] {
    if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      answer(*dialog);
      // A button's shortcut clicks it only after a short delay.
      QTimer::singleShot(2000, [left = QPointer<T>(dialog)] {
        if (left && left->isVisible()) {
          ADD_FAILURE() << "the answer left the dialog open";
          left->reject();
        }
      });
    }
  });
  timer->start();
}

}  // namespace zazuzar::testing
