// A printout to a PDF file, as the print dialog's "print to file" makes it.
// Qt's own PDF printer writes the file itself, with the mode the umask gives
// (mostly readable by every user of the machine), and leaves it half written
// when it fails; a printed key is as secret as a saved one. Here the pages
// are drawn in memory and saved once the document is ended, whole and
// owner-only from the first byte, as a key file is.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QPdfWriter>
#include <QString>
#include <optional>

#include "os/Files.h"

namespace zazuzar {

namespace detail {
// The bytes the writer draws into: a base of PdfPrintout, so that they are
// there before the writer is made.
struct PdfBytes {
  QByteArray bytes;
  QBuffer buffer{&bytes};
};
}  // namespace detail

class PdfPrintout : private detail::PdfBytes, public QPdfWriter {
 public:
  PdfPrintout(const QString& path, int copies);

  // The file the printout goes to.
  const QString& Path() const { return path_; }
  // How many times the document is to be drawn: a file makes no copies of its
  // own.
  int Copies() const { return copies_; }
  // Saves the pages drawn so far to Path(); why not, when that failed.
  std::optional<os::SaveFailure> Save() const;

 private:
  QString path_;
  int copies_;
};

}  // namespace zazuzar
