// Push button with a glyph picture holding the enabled and the disabled image
// side by side. Glyph and text are centred together, 4 pixels apart; a blank
// at the end of the text counts as part of it.
#pragma once

#include <QPixmap>
#include <QPushButton>

namespace zazuzar {

class TBitBtn : public QPushButton {
  Q_OBJECT
 public:
  enum class GlyphSide { Left, Right };
  TBitBtn(const QString& glyphResource, GlyphSide side, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Layout {
    QRect glyph;
    int textX;  // where the text's drawing starts
  };
  Layout Arrange() const;

  GlyphSide side_;
  QPixmap enabledGlyph_;
  QPixmap disabledGlyph_;
};

}  // namespace zazuzar
