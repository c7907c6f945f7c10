#include "ui/controls/GlyphButton.h"

#include <QApplication>
#include <QIcon>
#include <QPainterPath>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QtMath>

#include "ui/JpegImage.h"

namespace zazuzar {
namespace {

// Between the glyph and the ink of the text.
constexpr int kGlyphSpacing = 4;

// A column whose pixels the outlines cover less than this much shows only the
// faint edge of the anti-aliasing, which the eye does not count as ink.
constexpr qreal kFaintInk = 0.1;

}  // namespace

TBitBtn::TBitBtn(const QString& glyphResource, GlyphSide side, QWidget* parent)
    : QPushButton(parent), side_(side) {
  const QPixmap glyph = QPixmap::fromImage(LoadPictureFor(qApp->devicePixelRatio(), glyphResource));
  const int half = glyph.width() / 2;
  enabledGlyph_ = glyph.copy(0, 0, half, glyph.height());
  disabledGlyph_ = glyph.copy(half, 0, half, glyph.height());
  // The icon gives the button its size hint; paintEvent draws glyph and text
  // itself, without it.
  QIcon icon;
  icon.addPixmap(enabledGlyph_, QIcon::Normal);
  icon.addPixmap(disabledGlyph_, QIcon::Disabled);
  setIcon(icon);
  setIconSize(enabledGlyph_.deviceIndependentSize().toSize());
}

TBitBtn::Layout TBitBtn::Arrange() const {
  const QString caption = text();
  qsizetype letters = caption.size();
  while (letters > 0 && caption.at(letters - 1) == QLatin1Char(' ')) {
    --letters;
  }
  // The text reaches from its first inked column to its last, as the outlines
  // of its glyphs tell, and on over its trailing blanks.
  QPainterPath outlines;
  outlines.addText(0, 0, font(), caption.left(letters));
  const QRectF ink = outlines.boundingRect();
  const int inkLeft = qFloor(ink.left() + kFaintInk);
  const int inkWidth = qCeil(ink.right() - kFaintInk) - inkLeft +
                       fontMetrics().horizontalAdvance(caption.mid(letters));
  const QSize glyph = iconSize();
  const int pairWidth = glyph.width() + (caption.isEmpty() ? 0 : kGlyphSpacing + inkWidth);
  const int left = (width() - pairWidth) / 2;
  const int glyphTop = (height() - glyph.height()) / 2;
  if (side_ == GlyphSide::Left) {
    const int textLeft = left + glyph.width() + kGlyphSpacing;
    return {QRect(QPoint(left, glyphTop), glyph), textLeft - inkLeft};
  }
  return {QRect(QPoint(left + inkWidth + kGlyphSpacing, glyphTop), glyph), left - inkLeft};
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
