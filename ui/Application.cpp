#include "ui/Application.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#if QT_CONFIG(settings)
#include <QSettings>
#endif

#include "ui/GermanQt.h"

namespace zazuzar {
namespace {

// The program has no settings of its own, and keeps none of Qt's: Qt's file
// dialog would write its history, the folder visited last and its sidebar
// into the user's Qt settings (~/.config/QtProject.conf) each time it closes,
// telling anyone who can read the home folder where the keys are kept. Every
// Qt setting of the user and system scope goes to a place where no file can
// be made or read, so that all of it stays in memory. A Qt built without
// settings (the Windows build's, where they would go into the registry) has
// nothing to keep anywhere.
void KeepQtSettingsInMemory() {
#if QT_CONFIG(settings)
  // Not a folder on any Unix, so nothing can be made below it, even by root,
  // and nothing is ever read from there.
  const QString nowhere = QStringLiteral("/dev/null");
  for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope}) {
      QSettings::setPath(format, scope, nowhere);
    }
  }
#endif
}

}  // namespace

void SetUpApplication(QCoreApplication& application) {
  KeepQtSettingsInMemory();
  QCoreApplication::setApplicationName(QStringLiteral("ZAZUZAR"));
  QCoreApplication::setApplicationVersion(QStringLiteral(ZAZUZAR_VERSION));
  if (qobject_cast<QGuiApplication*>(&application) != nullptr) {
    QGuiApplication::setDesktopFileName(QStringLiteral(ZAZUZAR_APP_ID));
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
