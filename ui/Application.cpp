#include "ui/Application.h"

#include <QApplication>

#include "ui/GermanQt.h"

namespace zazuzar {

void SetUpApplication(QApplication& application) {
  QApplication::setApplicationName(QStringLiteral("ZAZUZAR"));
  UseGermanQtTexts(application);
}

}  // namespace zazuzar
