#include "ui/controls/LengthLimit.h"

#include <QKeyEvent>

namespace zazuzar {

bool InsertsText(const QKeyEvent* event) {
  const QString text = event->text();
  return !text.isEmpty() && text.at(0).isPrint() &&
         !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

}  // namespace zazuzar
