// Line-oriented text output on a printer: the lines run down the printable
// area from its top left, and a new page begins when the next line would come
// too near its foot.
#pragma once

#include <QFont>
#include <QPainter>
#include <QString>

class QPagedPaintDevice;

namespace zazuzar {

class PrinterText {
 public:
  // Writes on `device` (a printer in the program), which must outlive the sink.
  explicit PrinterText(QPagedPaintDevice& device);
  // A document not ended is abandoned: discarded where the device can do that.
  ~PrinterText();
  PrinterText(const PrinterText&) = delete;
  PrinterText& operator=(const PrinterText&) = delete;

  // Begins the document at the top left of the first page. Throws
  // WindowError when the printer refuses the job.
  void BeginDoc();
  // Font of the text written from now on; the point size holds on the printer
  // as on the screen. The ink is black whatever colours the screen shows: a
  // field's text colour follows the desktop's colour scheme, and the white
  // text of a dark scheme would leave the white paper blank.
  void SetFont(const QFont& font);
  // Draws `text` after what the line already holds; what does not fit on the
  // page's width goes on at the start of the next line.
  void Write(const QString& text);
  // Moves down to the next line, beginning a new page when that line would lie
  // too low.
  void EndLine();
  void WriteLine(const QString& text) {
    Write(text);
    EndLine();
  }
  // Goes on at the top left of a new page. Throws WindowError when no
  // document is begun or the printer refuses the page.
  void NewPage();
  // Ends the document, which sends the pages to the printer.
  void EndDoc();

  bool Printing() const { return printing_; }
  // Where the next text goes, in device units from the printable area's top
  // left.
  QPoint Position() const { return {x_, y_}; }

 private:
  int FittingLength(const QString& text, int room) const;

  QPagedPaintDevice& device_;
  QPainter painter_;
  QFont font_;
  bool printing_ = false;
  int x_ = 0;
  int y_ = 0;
  int lineHeight_ = 0;  // height of the tallest text on the line so far; 0: none
};

}  // namespace zazuzar
