// Radio button that takes clicks anywhere in its box, right of its caption
// too, and keeps its indicator whole at any screen density.
#pragma once

#include <QRadioButton>

namespace zazuzar {

class TRadioButton : public QRadioButton {
  Q_OBJECT
 public:
  using QRadioButton::QRadioButton;

 protected:
  bool hitButton(const QPoint& pos) const override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zazuzar
