// The window's input field and the upper-casing of what enters it.
#pragma once

#include <QClipboard>
#include <QLineEdit>

#include "ui/controls/LengthLimit.h"

namespace zazuzar {

// Upper-cases every letter that has a one-letter upper-case form; "ß" stays.
QString UpperCaseInput(QString text);

// Single-line input field that stores upper case only. MaxLength binds what
// the user types or pastes; text set by SetText stays whole, line ends
// included, and a lower limit never cuts the text already in the field.
class TEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TEdit(QWidget* parent = nullptr);

  QString Text() const { return text(); }
  void SetText(const QString& text);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int maxLength) { maxLength_ = maxLength; }

  // The field's own paste: as much of the clipboard's text as still fits
  // replaces the selection at the caret.
  void PasteFromClipboard(QClipboard::Mode mode = QClipboard::Clipboard);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  int Room() const;
  int maxLength_ = kNoLengthLimit;
};

}  // namespace zazuzar
