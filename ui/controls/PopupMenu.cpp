#include "ui/controls/PopupMenu.h"

#include <QAbstractScrollArea>

namespace zazuzar {

void TPopupMenu::AttachTo(QWidget* control) {
  control->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(control, &QWidget::customContextMenuRequested, this, [this, control](QPoint pos) {
    const auto* area = qobject_cast<QAbstractScrollArea*>(control);
    const QWidget* origin = area ? area->viewport() : control;
    Popup(control, origin->mapToGlobal(pos));
  });
}

void TPopupMenu::Popup(QWidget* control, const QPoint& globalPos) {
  popupComponent_ = control;
  popup(globalPos);
}

}  // namespace zazuzar
