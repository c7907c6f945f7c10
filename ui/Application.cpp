#include "ui/Application.h"

#include <QApplication>

#include "ui/GermanQt.h"

namespace zazuzar {

void SetUpApplication(QApplication& application) {
  QApplication::setApplicationName(QStringLiteral("ZAZUZAR"));
  QApplication::setApplicationVersion(QStringLiteral(ZAZUZAR_VERSION));
  UseGermanQtTexts(application);
}

}  // namespace zazuzar
