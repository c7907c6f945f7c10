#include "ui/controls/LengthLimit.h"

#include <QKeyEvent>

namespace zazuzar {

int Room(int limit, int capacity, qsizetype length, qsizetype selected) {
  const int most = limit > kNoLengthLimit ? limit : capacity;
  return most - static_cast<int>(length - selected);
}

qsizetype TypedLength(const QKeyEvent* event, bool multiLine) {
  if (multiLine && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    return 2;
  }
  const QString text = event->text();
  const bool typesText =
      !text.isEmpty() && text.at(0).isPrint() &&
      !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  return typesText ? text.size() : 0;
}

}  // namespace zazuzar
