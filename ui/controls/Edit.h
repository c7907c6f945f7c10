// The window's input field and the upper-casing of what enters it.
#pragma once

#include <QClipboard>
#include <QLineEdit>

#include "ui/controls/LengthLimit.h"

namespace zazuzar {

// Upper-cases every lower-case letter whose capital Windows-1252 holds: a to
// z, the accented letters from à to þ, š, œ, ž and ÿ. Three stay as they are:
// "ß", which has no capital, and µ and ƒ, whose capitals Windows-1252 lacks,
// so that the text can still be saved and loaded byte for byte. A letter
// outside Windows-1252 is upper-cased all the same (ł to Ł); a save refuses
// it either way.
QString UpperCaseInput(QString text);

// Single-line input field that puts what enters it into upper case as
// UpperCaseInput does, whether typed, pasted or set by a handler. MaxLength
// binds what the user types, pastes or commits through an input method; text
// set by SetText stays whole, line ends included, and a lower limit never cuts
// the text already in the field.
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
