// Every message box and dialog of the window goes through this one seam, so
// that tests can preset the answers and drive the real window without blocking.
#pragma once

#include <QDate>
#include <QPagedPaintDevice>
#include <QString>
#include <memory>
#include <optional>

class QWidget;

namespace zazuzar {

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Information box: caption "Information", information icon, one "OK".
  virtual void Information(QWidget* parent, const QString& text) = 0;
  // Question box: caption "Bestätigung", question icon, "&Ja" (default) and
  // "&Nein"; true only for Ja.
  virtual bool Question(QWidget* parent, const QString& text) = 0;
  // General error report: the given caption, a stop icon, one "OK".
  virtual void ErrorReport(QWidget* parent, const QString& caption, const QString& text) = 0;

  // Open dialog. `filter` is one "Description (*.ext)|*.ext" pair. Returns
  // the chosen path, or nothing when cancelled.
  virtual std::optional<QString> OpenFileName(QWidget* parent, const QString& filter) = 0;
  // Save dialog with a proposed file name; asks nothing about overwriting and
  // adds no extension.
  virtual std::optional<QString> SaveFileName(QWidget* parent, const QString& proposedName,
                                              const QString& filter) = 0;
  // Print dialog: the device the job goes to, or null when cancelled. A
  // printout to a file is offered `proposedName` and comes as a PdfPrintout.
  virtual std::unique_ptr<QPagedPaintDevice> ChoosePrinter(QWidget* parent,
                                                           const QString& proposedName) = 0;

  // Today's local date, for the default file names.
  virtual QDate Today() = 0;
};

// The real boxes and dialogs. Every file dialog starts in the folder of the
// file loaded, saved or printed to last in this run, and the print dialog
// offers to print to a file there; the first dialog starts in the folder the
// program was started from. A cancelled dialog changes nothing, wherever it
// went. The folder is remembered for as long as the program runs, and nowhere
// else: the application's set-up (SetUpApplication) keeps Qt's settings,
// where Qt's file dialog would write its history, in memory.
class QtDialogs : public Dialogs {
 public:
  void Information(QWidget* parent, const QString& text) override;
  bool Question(QWidget* parent, const QString& text) override;
  void ErrorReport(QWidget* parent, const QString& caption, const QString& text) override;
  std::optional<QString> OpenFileName(QWidget* parent, const QString& filter) override;
  std::optional<QString> SaveFileName(QWidget* parent, const QString& proposedName,
                                      const QString& filter) override;
  std::unique_ptr<QPagedPaintDevice> ChoosePrinter(QWidget* parent,
                                                   const QString& proposedName) override;
  QDate Today() override;

 private:
  // The folder the next file dialog starts in.
  QString StartFolder() const;
  // Takes the folder of a file the user chose in a dialog.
  std::optional<QString> Chosen(const std::optional<QString>& path);

  QString folder_;  // empty: none chosen yet
};

}  // namespace zazuzar
