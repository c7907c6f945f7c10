// Widget tests run inside one QApplication, on the offscreen platform, with a
// home folder of their own: whatever Qt or a test writes into the home folder
// (settings, caches) goes into a fresh folder that is removed at the end,
// never into the home folder of whoever runs the tests.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "ui/Application.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? ZAZUZAR_TEST_PLATFORM
                                                                  : qgetenv("QT_QPA_PLATFORM"));
  QTemporaryDir home;
  if (!home.isValid()) {
    return 1;
  }
  qputenv("HOME", QFile::encodeName(home.path()));
  for (const char* variable :
       {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"}) {
    qunsetenv(variable);  // each in the home folder
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ZAZUZAR"));
  zazuzar::LoadBuiltInFonts();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
