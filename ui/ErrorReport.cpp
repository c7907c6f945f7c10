#include "ui/ErrorReport.h"

#include <QCoreApplication>

#include "core/OneTimePad.h"
#include "ui/Dialogs.h"
#include "ui/Win1252.h"

namespace zazuzar {
namespace {

// The message of an escaped error as the user reads it.
QString ErrorMessage(const std::exception& error) {
  if (const auto* window = dynamic_cast<const WindowError*>(&error)) {
    return window->message();
  }
  // The core's messages are Windows-1252, like everything it hands out.
  if (const auto* conversion = dynamic_cast<const ConversionError*>(&error)) {
    return FromWin1252(conversion->message());
  }
  return FromWin1252(error.what());
}

}  // namespace

QString ErrorReportText(const QString& message) {
  if (!message.isEmpty() && message.back().unicode() > u'.') {
    return message + QLatin1Char('.');
  }
  return message;
}

void RunGuarded(Dialogs& dialogs, QWidget* parent, const std::function<void()>& handler) {
  QString message;
  try {
    handler();
    return;
  } catch (const std::exception& error) {
    message = ErrorMessage(error);
  } catch (...) {
    message = QStringLiteral("Unbekannter Fehler");
  }
  dialogs.ErrorReport(parent, QCoreApplication::applicationName(), ErrorReportText(message));
}

}  // namespace zazuzar
