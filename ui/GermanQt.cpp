#include "ui/GermanQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zazuzar {

bool UseGermanQtTexts(QCoreApplication& application) {
  // Owned by the application, so it lives as long as the texts are used.
  auto* translator = new QTranslator(&application);
  if (!translator->load(QStringLiteral("qtbase_de"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace zazuzar
