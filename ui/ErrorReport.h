// The one place where an error that escaped a handler becomes the general
// error report.
#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <stdexcept>

class QWidget;

namespace zazuzar {

class Dialogs;

// An error of the window's own (the printer's), whose text is already a
// QString; what() holds the same text in UTF-8.
class WindowError : public std::runtime_error {
 public:
  explicit WindowError(const QString& message)
      : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& message() const { return message_; }

 private:
  QString message_;
};

// The report's text for an error message: a full stop is added when the last
// character's code is above that of ".".
QString ErrorReportText(const QString& message);

// Runs a handler; an error that escapes it ends the handler there and is shown
// in the general error report, captioned with the application's title.
void RunGuarded(Dialogs& dialogs, QWidget* parent, const std::function<void()>& handler);

}  // namespace zazuzar
