#include "ui/Application.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>

#include "ui/GermanQt.h"

namespace zazuzar {

void SetUpApplication(QCoreApplication& application) {
  QCoreApplication::setApplicationName(QStringLiteral("ZAZUZAR"));
  QCoreApplication::setApplicationVersion(QStringLiteral(ZAZUZAR_VERSION));
  if (qobject_cast<QGuiApplication*>(&application) != nullptr) {
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zazuzar.zazuzar"));
    LoadBuiltInFonts();
  }
  UseGermanQtTexts(application);
}

void LoadBuiltInFonts() {
  for (const QFileInfo& font : QDir(QStringLiteral(":/fonts")).entryInfoList(QDir::Files)) {
    QFontDatabase::addApplicationFont(font.filePath());
  }
}

}  // namespace zazuzar
