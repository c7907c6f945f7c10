#include "ui/PrinterText.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <algorithm>

#include "ui/ErrorReport.h"

namespace zazuzar {
namespace {

WindowError PrintingImpossible() {
  return WindowError(QStringLiteral("Drucken nicht möglich"));
}

WindowError NotPrinting() {
  return WindowError(QStringLiteral("Der Drucker druckt gerade nicht"));
}

// Extra space between two lines of text, in device units.
constexpr int kLineGap = 2;

}  // namespace

PrinterText::PrinterText(QPagedPaintDevice& device) : device_(device) {}

PrinterText::~PrinterText() {
  if (!printing_) {
    return;
  }
  // Interrupted: the pages so far are not to be printed.
  if (auto* printer = dynamic_cast<QPrinter*>(&device_)) {
    printer->abort();
  }
  painter_.end();
}

void PrinterText::BeginDoc() {
  if (printing_ || !painter_.begin(&device_)) {
    throw PrintingImpossible();
  }
  printing_ = true;
  x_ = 0;
  y_ = 0;
  lineHeight_ = 0;
  painter_.setFont(font_);
  painter_.setPen(Qt::black);
}

void PrinterText::SetFont(const QFont& font) {
  font_ = font;
  if (printing_) {
    painter_.setFont(font_);
  }
}

int PrinterText::FittingLength(const QString& text, int room) const {
  const QFontMetrics metrics = painter_.fontMetrics();
  // The longest start of the text that fits in `room`.
  qsizetype fits = 0;
  qsizetype tooLong = text.size() + 1;
  while (tooLong - fits > 1) {
    const qsizetype middle = fits + (tooLong - fits) / 2;
    if (metrics.horizontalAdvance(text.left(middle)) <= room) {
      fits = middle;
    } else {
      tooLong = middle;
    }
  }
  // Never part a surrogate pair.
  if (fits > 0 && fits < text.size() && text.at(fits).isLowSurrogate()) {
    --fits;
  }
  return static_cast<int>(fits);
}

void PrinterText::Write(const QString& text) {
  if (!printing_) {
    throw NotPrinting();
  }
  const QFontMetrics metrics = painter_.fontMetrics();
  QString rest = text;
  while (!rest.isEmpty()) {
    int length = FittingLength(rest, device_.width() - x_);
    if (length == 0) {
      if (x_ > 0) {
        EndLine();  // try again on an empty line
        continue;
      }
      // Not even one character fits the page: it is printed all the same.
      length = rest.size() > 1 && rest.at(0).isHighSurrogate() ? 2 : 1;
    }
    const QString piece = rest.left(length);
    painter_.drawText(QPoint(x_, y_ + metrics.ascent()), piece);
    x_ += metrics.horizontalAdvance(piece);
    lineHeight_ = std::max(lineHeight_, metrics.height());
    rest.remove(0, length);
    if (!rest.isEmpty()) {
      EndLine();
    }
  }
}

void PrinterText::EndLine() {
  if (!printing_) {
    throw NotPrinting();
  }
  const bool empty = lineHeight_ == 0;
  const int advance = empty ? painter_.fontMetrics().height() : lineHeight_ + kLineGap;
  x_ = 0;
  y_ += advance;
  lineHeight_ = 0;
  const int lowest = device_.height() - (empty ? 0 : 2 * advance);
  if (y_ > lowest) {
    NewPage();
  }
}

void PrinterText::NewPage() {
  if (!printing_) {
    throw NotPrinting();
  }
  if (!device_.newPage()) {
    throw PrintingImpossible();
  }
  x_ = 0;
  y_ = 0;
  lineHeight_ = 0;
}

void PrinterText::EndDoc() {
  if (!printing_) {
    throw NotPrinting();
  }
  printing_ = false;
  if (!painter_.end()) {
    throw PrintingImpossible();
  }
}

}  // namespace zazuzar
