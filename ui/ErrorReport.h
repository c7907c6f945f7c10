// The one place where an error that escaped a handler becomes the general
// error report.
#pragma once

#include <QString>
#include <exception>
#include <functional>

class QWidget;

namespace zazuzar {

class Dialogs;

// The report's text for an error message: a full stop is added when the last
// character's code is above that of ".".
QString ErrorReportText(const QString& message);

// The message of an escaped error as the user reads it.
QString ErrorMessage(const std::exception& error);

// Runs a handler; an error that escapes it ends the handler there and is shown
// in the general error report, captioned with the application's title.
void RunGuarded(Dialogs& dialogs, QWidget* parent, const std::function<void()>& handler);

}  // namespace zazuzar
