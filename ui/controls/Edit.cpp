#include "ui/controls/Edit.h"

#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QValidator>
#include <algorithm>
#include <utility>

#include "ui/Win1252.h"

namespace zazuzar {
namespace {

// QLineEdit's own limit as it comes. The field keeps it, so it is the most
// the field holds; no text that a handler sets comes near it.
constexpr int kLineEditCapacity = 32767;

// Puts whatever enters the input field into upper case: typing, pasting and
// text set by a handler all pass through the validator.
class UpperCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    input = UpperCaseInput(std::move(input));
    return Acceptable;
  }
};

}  // namespace

QString UpperCaseInput(QString text) {
  for (QChar& ch : text) {
    if (!ch.isLower() || ch == QChar(0x00DF)) {
      continue;
    }
    // A letter whose capital Windows-1252 lacks (µ, ƒ) stays as it is, so
    // that the text can still be saved and loaded byte for byte.
    const QChar upper = ch.toUpper();
    if (InWin1252(upper) || !InWin1252(ch)) {
      ch = upper;
    }
  }
  return text;
}

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
  // The limit is kept here, not in QLineEdit, whose own limit would also cut
  // text that a handler sets.
  QLineEdit::setMaxLength(kLineEditCapacity);
  setValidator(new UpperCaseValidator(this));
  setAcceptDrops(false);
}

void TEdit::SetText(const QString& text) {
  setText(text);
}

int TEdit::Room() const {
  return zazuzar::Room(maxLength_, kLineEditCapacity, text().size(), selectedText().size());
}

void TEdit::PasteFromClipboard(QClipboard::Mode mode) {
  if (isReadOnly()) {
    return;
  }
  const QString clip = QGuiApplication::clipboard()->text(mode);
  const int room = Room();
  if (!clip.isEmpty() && room <= 0) {
    return;
  }
  insert(clip.left(room));  // an empty text removes the selection
}

void TEdit::keyPressEvent(QKeyEvent* event) {
  if (event == QKeySequence::Paste) {
    PasteFromClipboard();
    event->accept();
    return;
  }
  const qsizetype typed = TypedLength(event, false);
  if (typed > 0 && !isReadOnly() && Room() < typed) {
    event->accept();  // refused: the field is full
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void TEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
    PasteFromClipboard(QClipboard::Selection);
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void TEdit::inputMethodEvent(QInputMethodEvent* event) {
  const int room = Room();
  if (event->commitString().size() > room) {
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(event->commitString().left(std::max(room, 0)), event->replacementStart(),
                        event->replacementLength());
    QLineEdit::inputMethodEvent(&cut);
    return;
  }
  QLineEdit::inputMethodEvent(event);
}

}  // namespace zazuzar
