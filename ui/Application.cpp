#include "ui/Application.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include "ui/GermanQt.h"

namespace zazuzar {

void SetUpApplication(QCoreApplication& application) {
  QCoreApplication::setApplicationName(QStringLiteral("ZAZUZAR"));
  QCoreApplication::setApplicationVersion(QStringLiteral(ZAZUZAR_VERSION));
  if (qobject_cast<QGuiApplication*>(&application) != nullptr) {
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zazuzar.zazuzar"));
  }
  UseGermanQtTexts(application);
}

}  // namespace zazuzar
