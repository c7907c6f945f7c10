// Qt's own dialogs speak German once the program has installed the texts:
// the real open, save and print dialogs, read while they are open.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QTranslator>
#include <functional>
#include <map>
#include <string>

#include "tests/ui/WhenOpen.h"
#include "ui/Dialogs.h"
#include "ui/GermanQt.h"

namespace zazuzar::testing {
namespace {

// What the open dialog shows as `what`: "title", the "accept" or "reject"
// button, or the label or group box of that object name. Mnemonics are left
// out: Qt moves them between releases ("Look in:" became "&Look in:").
QString Shown(const QDialog& dialog, const std::string& what) {
  const auto plain = [](QString text) { return text.remove(QLatin1Char('&')); };
  if (what == "title") {
    return dialog.windowTitle();
  }
  if (what == "accept" || what == "reject") {
    const auto role =
        what == "accept" ? QDialogButtonBox::AcceptRole : QDialogButtonBox::RejectRole;
    for (const auto* box : dialog.findChildren<QDialogButtonBox*>()) {
      for (QAbstractButton* button : box->buttons()) {
        if (box->buttonRole(button) == role && button->isVisible()) {
          return plain(button->text());
        }
      }
    }
    return QStringLiteral("<no %1 button>").arg(QString::fromStdString(what));
  }
  const auto* widget = dialog.findChild<QWidget*>(QString::fromStdString(what));
  if (!widget || !widget->isVisible()) {
    return QStringLiteral("<not shown>");
  }
  if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    return plain(label->text());
  }
  if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
    return plain(group->title());
  }
  return QStringLiteral("<neither label nor group box>");
}

TEST(GermanQt, QtsDialogsAndButtonsSpeakGerman) {
  if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                         QStringLiteral("/qtbase_de.qm"))) {
    GTEST_SKIP() << "Qt's German texts are missing (qt6-translations-l10n)";
  }
  // The other tests see Qt as it comes, whatever happens here.
  struct Translators {
    ~Translators() {
      for (auto* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
      }
    }
  } removed;
  ASSERT_TRUE(UseGermanQtTexts(*qApp));
  const struct {
    const char* dialog;
    std::function<void(QtDialogs&)> open;
    std::map<std::string, const char*> texts;
  } cases[] = {
      {"open",
       [](QtDialogs& dialogs) {
         dialogs.OpenFileName(nullptr, QStringLiteral("Texte (*.txt)|*.txt"));
       },
       {{"title", "Öffnen"},
        {"lookInLabel", "Suchen in:"},
        {"fileNameLabel", "Dateiname:"},
        {"fileTypeLabel", "Dateien des Typs:"},
        {"accept", "Öffnen"},
        {"reject", "Abbrechen"}}},
      {"save",
       [](QtDialogs& dialogs) {
         dialogs.SaveFileName(nullptr, QStringLiteral("a.txt"),
                              QStringLiteral("Texte (*.txt)|*.txt"));
       },
       {{"title", "Speichern unter"},
        {"lookInLabel", "Suchen in:"},
        {"fileNameLabel", "Dateiname:"},
        {"fileTypeLabel", "Dateien des Typs:"},
        {"accept", "Speichern"},
        {"reject", "Abbrechen"}}},
#ifndef _WIN32  // Windows' print dialog is the system's own, in the system's language
      {"print",
       [](QtDialogs& dialogs) { dialogs.ChoosePrinter(nullptr, QStringLiteral("druck.pdf")); },
       {{"title", "Drucken"},
        {"printerGroup", "Drucker"},
        {"accept", "Drucken"},
        {"reject", "Abbrechen"}}},
#endif
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dialog);
    std::map<std::string, QString> shown;
    WhenOpen<QDialog>([&](QDialog& dialog) {
      for (const auto& [what, german] : c.texts) {
        shown[what] = Shown(dialog, what);
      }
      dialog.reject();
    });
    QtDialogs dialogs;
    c.open(dialogs);
    ASSERT_FALSE(shown.empty()) << "no dialog opened";
    for (const auto& [what, german] : c.texts) {
      EXPECT_EQ(shown[what], QString::fromUtf8(german)) << what;
    }
  }
}

}  // namespace
}  // namespace zazuzar::testing
