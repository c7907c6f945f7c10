#include "ui/Application.h"

#include <QCoreApplication>

#include "ui/GermanQt.h"

namespace zazuzar {

void SetUpApplication(QCoreApplication& application) {
  QCoreApplication::setApplicationName(QStringLiteral("ZAZUZAR"));
  QCoreApplication::setApplicationVersion(QStringLiteral(ZAZUZAR_VERSION));
  UseGermanQtTexts(application);
}

}  // namespace zazuzar
