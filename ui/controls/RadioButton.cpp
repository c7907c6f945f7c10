#include "ui/controls/RadioButton.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace zazuzar {

bool TRadioButton::hitButton(const QPoint& pos) const {
  return rect().contains(pos);
}

void TRadioButton::paintEvent(QPaintEvent* event) {
  if (devicePixelRatio() < 2) {
    QRadioButton::paintEvent(event);
    return;
  }
  // The style's indicator is one pixel taller than the 13-pixel box; at
  // normal density its lowest row is blank, but at twice the density the
  // circle's lower edge falls on it. Draw the indicator half a pixel higher.
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  QStyleOptionButton part = option;
  part.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
  painter.save();
  painter.translate(QPointF(0, -0.5));
  painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, part);
  painter.restore();
  part.rect = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
  painter.drawControl(QStyle::CE_RadioButtonLabel, part);
  if (option.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.rect = style()->subElementRect(QStyle::SE_RadioButtonFocusRect, &option, this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

}  // namespace zazuzar
