#include "ui/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>

#include "ui/PdfPrintout.h"

namespace zazuzar {
namespace {

// Message boxes stand centred on the screen, not on the window.
int ShowCentred(QMessageBox& box) {
  box.adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = box.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    box.move(frame.topLeft());
  }
  return box.exec();
}

// "Description (*.ext)|*.ext" to the name filter a Qt file dialog takes.
QString QtNameFilter(const QString& filter) {
  return filter.section(QLatin1Char('|'), 0, 0);
}

// Shows `dialog`; the file chosen, or nothing when cancelled.
std::optional<QString> ChosenFile(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return dialog.selectedFiles().constFirst();
}

}  // namespace

void QtDialogs::Information(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok,
                  parent);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  ShowCentred(box);
}

bool QtDialogs::Question(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigung"), text, QMessageBox::NoButton,
                  parent);
  QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(no);
  ShowCentred(box);
  return box.clickedButton() == yes;
}

void QtDialogs::ErrorReport(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  ShowCentred(box);
}

QString QtDialogs::StartFolder() const {
  return folder_.isEmpty() ? QDir::currentPath() : folder_;
}

std::optional<QString> QtDialogs::Chosen(const std::optional<QString>& path) {
  if (path) {
    folder_ = QFileInfo(*path).absolutePath();
  }
  return path;
}

std::optional<QString> QtDialogs::OpenFileName(QWidget* parent, const QString& filter) {
  // Qt's own last-visited folder follows every move in any dialog, cancelled
  // or not: each dialog is sent to its start.
  QFileDialog dialog(parent);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QtNameFilter(filter));
  dialog.setDirectory(StartFolder());
  return Chosen(ChosenFile(dialog));
}

std::optional<QString> QtDialogs::SaveFileName(QWidget* parent, const QString& proposedName,
                                               const QString& filter) {
  QFileDialog dialog(parent);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(QtNameFilter(filter));
  dialog.setDirectory(StartFolder());
  dialog.selectFile(proposedName);
  return Chosen(ChosenFile(dialog));
}

std::unique_ptr<QPagedPaintDevice> QtDialogs::ChoosePrinter(QWidget* parent,
                                                            const QString& proposedName) {
  // The printer and the number of copies; no page range, no selection. Qt
  // shows its page range group all the same where the printing system could
  // pick the pages itself, so it is hidden each time the dialog shows (it then
  // stays at "all pages").
  class PrintDialog : public QPrintDialog {
   public:
    using QPrintDialog::QPrintDialog;
    void setVisible(bool visible) override {
      QPrintDialog::setVisible(visible);
      if (auto* range = findChild<QWidget*>(QStringLiteral("gbPrintRange")); range && visible) {
        range->hide();
      }
    }
  };
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setPrintRange(QPrinter::AllPages);
  PrintDialog dialog(printer.get(), parent);
  // "Print to file" keeps Qt's PDF printer in the list: on a desktop without a
  // printer it is the one way to a printout.
  dialog.setOptions(QAbstractPrintDialog::PrintToFile);
  // Qt would offer print.pdf in the home folder or the working directory.
  if (auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"))) {
    file->setText(QDir(StartFolder()).filePath(proposedName));
  }
  if (dialog.exec() != QDialog::Accepted) {
    return nullptr;
  }
  if (printer->outputFormat() != QPrinter::PdfFormat) {
    return printer;
  }
  // Qt's PDF printer would write the file itself, by the umask.
  auto printout = std::make_unique<PdfPrintout>(printer->outputFileName(), printer->copyCount());
  printout->setPageLayout(printer->pageLayout());
  printout->setResolution(printer->resolution());
  Chosen(printout->Path());
  return printout;
}

QDate QtDialogs::Today() {
  return QDate::currentDate();
}

}  // namespace zazuzar
