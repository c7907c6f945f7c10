// Popup menu that remembers the control on which it was last opened.
#pragma once

#include <QMenu>

namespace zazuzar {

class TPopupMenu : public QMenu {
  Q_OBJECT
 public:
  using QMenu::QMenu;
  // Binds the menu to `control`'s context-menu request (replacing Qt's own).
  void AttachTo(QWidget* control);
  QWidget* PopupComponent() const { return popupComponent_; }
  void Popup(QWidget* control, const QPoint& globalPos);

 private:
  QWidget* popupComponent_ = nullptr;
};

}  // namespace zazuzar
