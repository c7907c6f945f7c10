#include "ui/controls/GlyphButton.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>
#include <utility>

#include "ui/JpegImage.h"

namespace zazuzar {

namespace {

constexpr int kGlyphSpacing = 4;

// The columns that `text` inks when drawn in `font` from x = 0: the first,
// and one past the last. Taken from the text as drawn, since hinting and
// anti-aliasing make the ink differ from the font's metrics by a pixel.
std::pair<int, int> InkColumns(const QString& text, const QFont& font) {
  const QFontMetrics metrics(font);
  const int pad = metrics.height();
  QImage image(metrics.horizontalAdvance(text) + 2 * pad, metrics.height(),
               QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(pad, metrics.ascent(), text);
  painter.end();
  int first = image.width(), last = -1;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(row[x]) > 24) {  // faint edges of the anti-aliasing do not count
        first = std::min(first, x);
        last = std::max(last, x);
      }
    }
  }
  return last < 0 ? std::pair(0, 0) : std::pair(first - pad, last + 1 - pad);
}

}  // namespace

TBitBtn::TBitBtn(const QString& glyphResource, GlyphSide side, QWidget* parent)
    : QPushButton(parent), side_(side) {
  const QPixmap glyph = QPixmap::fromImage(LoadPictureFor(qApp->devicePixelRatio(), glyphResource));
  const int half = glyph.width() / 2;
  enabledGlyph_ = glyph.copy(0, 0, half, glyph.height());
  disabledGlyph_ = glyph.copy(half, 0, half, glyph.height());
  // The icon gives the button its size hint and its look in other styles;
  // paintEvent draws glyph and text itself.
  QIcon icon;
  icon.addPixmap(enabledGlyph_, QIcon::Normal);
  icon.addPixmap(disabledGlyph_, QIcon::Disabled);
  setIcon(icon);
  setIconSize(enabledGlyph_.deviceIndependentSize().toSize());
}

TBitBtn::Layout TBitBtn::Arrange() const {
  const QString caption = text();
  if (caption != inkText_ || font() != inkFont_) {
    qsizetype letters = caption.size();
    while (letters > 0 && caption.at(letters - 1) == QLatin1Char(' ')) {
      --letters;
    }
    // The text reaches from its first inked column to its last, and on over
    // its trailing blanks.
    const auto [first, end] = InkColumns(caption.left(letters), font());
    inkText_ = caption;
    inkFont_ = font();
    inkLeft_ = first;
    inkWidth_ = end - first + fontMetrics().horizontalAdvance(caption.mid(letters));
  }
  const QSize glyph = iconSize();
  const int pairWidth = glyph.width() + (caption.isEmpty() ? 0 : kGlyphSpacing + inkWidth_);
  const int left = (width() - pairWidth) / 2;
  const int glyphTop = (height() - glyph.height()) / 2;
  if (side_ == GlyphSide::Left) {
    const int textLeft = left + glyph.width() + kGlyphSpacing;
    return {QRect(QPoint(left, glyphTop), glyph), textLeft - inkLeft_};
  }
  return {QRect(QPoint(left + inkWidth_ + kGlyphSpacing, glyphTop), glyph), left - inkLeft_};
}

QRect TBitBtn::GlyphRect() const {
  return Arrange().glyph;
}

void TBitBtn::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  option.icon = QIcon();
  painter.drawControl(QStyle::CE_PushButton, option);  // face, frame and focus

  Layout layout = Arrange();
  if (option.state & (QStyle::State_On | QStyle::State_Sunken)) {
    const QPoint shift(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    layout.glyph.translate(shift);
    layout.textX += shift.x();
    painter.translate(0, shift.y());
  }
  painter.drawPixmap(layout.glyph, isEnabled() ? enabledGlyph_ : disabledGlyph_);
  const QRect textRect(layout.textX, 0, width() - layout.textX, height());
  style()->drawItemText(&painter, textRect, Qt::AlignLeft | Qt::AlignVCenter, palette(),
                        isEnabled(), text(), QPalette::ButtonText);
}

}  // namespace zazuzar
