#include "ui/controls/Memo.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>
#include <limits>

namespace zazuzar {
namespace {

// A multi-line field has no bound of its own.
constexpr int kMemoCapacity = std::numeric_limits<int>::max();

}  // namespace

TMemo::TMemo(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(false);
  setLineWrapMode(QTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(true);
  setUndoRedoEnabled(false);
  SetReadOnly(true);
  connect(this, &QTextEdit::textChanged, this, &TMemo::TakeUserEdit);
}

void TMemo::SetReadOnly(bool readOnly) {
  setReadOnly(readOnly);
  if (readOnly) {
    // Read-only fields can still be selected and copied, by mouse and keyboard.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  }
  setFocusPolicy(Qt::StrongFocus);
}

void TMemo::SetText(const QString& text) {
  settingText_ = true;
  text_ = text;
  setPlainText(text);
  settingText_ = false;
}

void TMemo::TakeUserEdit() {
  if (!settingText_) {
    // The user typed: what the field shows is the text, with Windows line ends.
    text_ = toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  }
}

int TMemo::Room() const {
  return zazuzar::Room(maxLength_, kMemoCapacity, text_.size(), textCursor().selectedText().size());
}

void TMemo::keyPressEvent(QKeyEvent* event) {
  if (!isReadOnly()) {
    const qsizetype typed = TypedLength(event, true);
    if (typed > 0 && Room() < typed) {
      event->accept();  // refused: the field is full
      return;
    }
  }
  QTextEdit::keyPressEvent(event);
}

void TMemo::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText()) {
    return;
  }
  const int room = Room();
  if (room > 0) {
    textCursor().insertText(source->text().left(room));
  }
}

QString TMemo::ClipboardText(const QString& text) {
  QString result;
  result.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar ch = text.at(i);
    if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n') || ch == QChar::ParagraphSeparator) {
      result += QStringLiteral("\r\n");
      if (ch == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
        ++i;
      }
    } else {
      result += ch;
    }
  }
  return result;
}

QMimeData* TMemo::createMimeDataFromSelection() const {
  // selectedText() keeps the characters as they are and marks paragraph ends
  // with U+2029; no HTML goes along.
  auto* data = new QMimeData;
  data->setText(ClipboardText(textCursor().selectedText()));
  if (secret_) {
    // Honoured by KDE's Klipper, GNOME's clipboard managers and most others.
    data->setData(QStringLiteral("x-kde-passwordManagerHint"), QByteArrayLiteral("secret"));
  }
  return data;
}

QStringList TMemo::Lines() const {
  auto* self = const_cast<TMemo*>(this);
  // Not shown yet: lay the text out at the field's width all the same. The
  // field's resize sizes its viewport, and the viewport's lays out the text.
  for (QWidget* widget : {static_cast<QWidget*>(self), viewport()}) {
    if (widget->testAttribute(Qt::WA_PendingResizeEvent)) {
      QResizeEvent resize(widget->size(), QSize());
      QCoreApplication::sendEvent(widget, &resize);
      widget->setAttribute(Qt::WA_PendingResizeEvent, false);
    }
  }
  document()->documentLayout()->documentSize();  // finishes the layout
  QStringList rows;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    const QTextLayout* layout = block.layout();
    for (int i = 0; layout && i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      rows += block.text().mid(line.textStart(), line.textLength());
    }
  }
  return rows;
}

QString TMemo::Line(int index) const {
  const QStringList rows = Lines();
  return index >= 0 && index < rows.size() ? rows.at(index) : QString();
}

}  // namespace zazuzar
