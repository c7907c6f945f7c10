// Qt's own dialogs speak German once the program has installed the texts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTranslator>

#include "ui/GermanQt.h"

namespace zazuzar::testing {
namespace {

TEST(GermanQt, QtsDialogsAndButtonsSpeakGerman) {
  if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                         QStringLiteral("/qtbase_de.qm"))) {
    GTEST_SKIP() << "Qt's German texts are missing (qt6-translations-l10n)";
  }
  ASSERT_TRUE(UseGermanQtTexts(*qApp));
  struct Case {
    const char* context;
    const char* english;
    const char* german;
  };
  const Case cases[] = {
      {"QPlatformTheme", "Cancel", "Abbrechen"},
      {"QPlatformTheme", "Save", "Speichern"},
      {"QFileDialog", "Look in:", "Suchen in:"},
      {"QPrintDialog", "Print", "Drucken"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QCoreApplication::translate(c.context, c.english), QString::fromUtf8(c.german))
        << c.context << " " << c.english;
  }
  // The other tests see Qt as it comes.
  for (auto* translator : qApp->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
}

}  // namespace
}  // namespace zazuzar::testing
