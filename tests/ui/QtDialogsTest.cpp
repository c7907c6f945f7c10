// The real dialogs and boxes, answered from a timer while they run modal: the
// question's buttons and keys, and the file dialogs' names and memory.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <optional>

#include "tests/ui/WhenOpen.h"
#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "ui/ErrorReport.h"
#include "ui/PdfPrintout.h"

namespace zazuzar::testing {
namespace {

TEST(QtDialogs, QuestionIsJaOnlyForJa) {
  const struct {
    const char* how;
    std::function<void(QMessageBox&)> answer;
    bool expected;
  } cases[] = {
      {"Return takes the default", [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); },
       true},
      {"Escape", [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }, false},
      {"the close box", [](QMessageBox& box) { box.close(); }, false},
      {"Alt+N",
       [](QMessageBox& box) {
         // A shortcut reaches only the active window, which a busy machine
         // may make the box a while after showing it.
         EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
         QTest::keyClick(&box, Qt::Key_N, Qt::AltModifier);
       },
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    QStringList buttons;
    QString caption;
    WhenOpen<QMessageBox>([&](QMessageBox& box) {
      caption = box.windowTitle();
      for (const QAbstractButton* button : box.buttons()) {
        buttons += button->text();
      }
      c.answer(box);
    });
    QtDialogs dialogs;
    EXPECT_EQ(dialogs.Question(nullptr, QStringLiteral("Wollen Sie a.OTP wirklich überschreiben?")),
              c.expected);
    EXPECT_EQ(caption, QStringLiteral("Bestätigung"));
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein")}));
  }
}

TEST(QtDialogs, BoxesCarryTheirCaptionIconAndOneOK) {
  const struct {
    const char* box;
    std::function<void(QtDialogs&)> show;
    const char* caption;
    QMessageBox::Icon icon;
    const char* text;
  } cases[] = {
      {"information",
       [](QtDialogs& dialogs) { dialogs.Information(nullptr, QStringLiteral("Text eingeben!")); },
       "Information", QMessageBox::Information, "Text eingeben!"},
      {"general error report",
       [](QtDialogs& dialogs) {
         RunGuarded(dialogs, nullptr, [] { throw std::runtime_error("Drucken nicht m\xF6glich"); });
       },
       "ZAZUZAR", QMessageBox::Critical, "Drucken nicht möglich."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.box);
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    WhenOpen<QMessageBox>([&](QMessageBox& box) {
      caption = box.windowTitle();
      text = box.text();
      icon = box.icon();
      for (const QAbstractButton* button : box.buttons()) {
        buttons += button->text();
      }
      QTest::keyClick(&box, Qt::Key_Return);
    });
    QtDialogs dialogs;
    c.show(dialogs);
    EXPECT_EQ(caption, QString::fromUtf8(c.caption));
    EXPECT_EQ(text, QString::fromUtf8(c.text));
    EXPECT_EQ(icon, c.icon);
    EXPECT_EQ(buttons, QStringList{QStringLiteral("OK")});
  }
}

// Every file dialog starts in the folder of the file opened, saved or printed
// to last in this run, the first one in the working directory, and printing
// to a file offers that folder too; a cancelled dialog changes nothing,
// wherever it went. The save dialog takes the name as typed and asks nothing.
// In the application as the program sets it up, under the tests' own home
// folder, where Qt's file dialog would keep its history if it kept settings.
TEST(QtDialogs, FileDialogsStartWhereAFileWasChosenLastAndKeepNoHistory) {
  SetUpApplication(*qApp);
  QTemporaryDir root(QDir::home().filePath(QStringLiteral("XXXXXX")));
  for (const char* folder : {"a", "b", "c"}) {
    QDir(root.path()).mkdir(QString::fromLatin1(folder));
  }
  ASSERT_TRUE(QFile(root.filePath(QStringLiteral("b/alt.OTP"))).open(QIODevice::WriteOnly));
  const struct {
    char dialog;           // 'o'pen, 's'ave or 'p'rint
    const char* startsIn;  // "": the working directory
    const char* goesTo;    // the folder the user goes to in the dialog
    const char* name;      // typed there; nullptr: cancelled
  } steps[] = {
      {'s', "", "b", nullptr},      {'o', "", "a", "erst.OTP"},
      {'s', "a", "c", "Nachricht"},                              // no extension added
      {'o', "c", "b", nullptr},     {'s', "c", "b", "alt.OTP"},  // an existing file: no question
      {'s', "b", "a", nullptr},     {'p', "b", "c", nullptr},
      {'p', "b", "a", "druck.pdf"}, {'o', "a", "c", nullptr},
  };
  QtDialogs dialogs;
  for (const auto& step : steps) {
#ifdef _WIN32
    if (step.dialog == 'p') {
      break;  // Windows' print dialog is the system's own: no Qt widgets to answer
    }
#endif
    SCOPED_TRACE(std::string(1, step.dialog) + " going to " + step.goesTo);
    const QString goesTo = root.filePath(QString::fromLatin1(step.goesTo));
    QString startedIn, offered;
    QStringList filters;
    WhenOpen<QDialog>([&](QDialog& dialog) {
      QLineEdit* name = nullptr;
      if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
        startedIn = files->directory().absolutePath();
        offered = QFileInfo(files->selectedFiles().value(0)).fileName();
        filters = files->nameFilters();
        files->setDirectory(goesTo);
        // Typed: selectFile leaves the name field alone once it has the focus,
        // which Qt 6.8 gives it as the dialog opens.
        name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      } else if ((name = dialog.findChild<QLineEdit*>(QStringLiteral("filename")))) {
        // The file of the print dialog's PDF printer, the last in its list.
        startedIn = QFileInfo(name->text()).absolutePath();
        offered = QFileInfo(name->text()).fileName();
        if (auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"))) {
          printers->setCurrentIndex(printers->count() - 1);
        }
      }
      if (name && step.name) {
        name->setText(goesTo + QLatin1Char('/') + QLatin1String(step.name));
        dialog.accept();
      } else {
        dialog.reject();
      }
    });
    const QString filter = QStringLiteral("Schlüseldateien (*.OTP)|*.OTP");
    std::optional<QString> path;
    if (step.dialog == 'p') {
      const auto printer = dialogs.ChoosePrinter(nullptr, QStringLiteral("druck.pdf"));
      if (const auto* printout = dynamic_cast<const PdfPrintout*>(printer.get())) {
        path = printout->Path();
      }
      EXPECT_EQ(offered, QStringLiteral("druck.pdf"));
    } else {
      path = step.dialog == 'o'
                 ? dialogs.OpenFileName(nullptr, filter)
                 : dialogs.SaveFileName(nullptr, QStringLiteral("05032026.OTP"), filter);
      EXPECT_EQ(filters, QStringList{QStringLiteral("Schlüseldateien (*.OTP)")});
      if (step.dialog == 's') {
        EXPECT_EQ(offered, QStringLiteral("05032026.OTP"));
      }
    }
    EXPECT_EQ(startedIn, *step.startsIn ? root.filePath(QString::fromLatin1(step.startsIn))
                                        : QDir::currentPath());
    EXPECT_EQ(path, step.name ? std::optional(goesTo + QLatin1Char('/') + QLatin1String(step.name))
                              : std::nullopt);
  }
  EXPECT_FALSE(QFileInfo::exists(QDir::home().filePath(QStringLiteral(".config/QtProject.conf"))));
}

}  // namespace
}  // namespace zazuzar::testing
