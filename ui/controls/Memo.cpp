#include "ui/controls/Memo.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>
#include <limits>
#include <memory>

#include "os/Clipboard.h"

namespace zazuzar {
namespace {

// A multi-line field has no bound of its own.
constexpr int kMemoCapacity = std::numeric_limits<int>::max();

// A block's user state: the line end that ends it, if not CR LF.
constexpr int kEndsWithCrLf = -1;  // QTextBlock's own default

// How many characters of `text` from `i` on make one line end, as the
// document reads plain text: CR LF, or one of CR, LF, the paragraph separator
// and the two frame marks; 0 when none starts there.
int LineEndLength(const QString& text, qsizetype i) {
  switch (text.at(i).unicode()) {
    case u'\r':
      return i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n') ? 2 : 1;
    case u'\n':
    case QChar::ParagraphSeparator:
    case 0xFDD0:  // QTextBeginningOfFrame
    case 0xFDD1:  // QTextEndOfFrame
      return 1;
    default:
      return 0;
  }
}

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
  setPlainText(text);
  // The document begins a new block at each line end; a block ended by other
  // than CR LF notes which.
  QTextBlock block = document()->begin();
  for (qsizetype i = 0; i < text.size(); ++i) {
    const int length = LineEndLength(text, i);
    if (length == 0) {
      continue;
    }
    block.setUserState(length == 2 ? kEndsWithCrLf : text.at(i).unicode());
    block = block.next();
    i += length - 1;
  }
  document()->setModified(false);
}

QString TMemo::Text() const {
  if (document()->isModified()) {
    // The user has edited the field: its text as shown, with Windows line ends.
    return toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  }
  QString text;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    text += block.text();
    if (block.next().isValid()) {
      const int end = block.userState();
      text += end == kEndsWithCrLf ? QStringLiteral("\r\n") : QString(QChar(end));
    }
  }
  return text;
}

int TMemo::Room() const {
  return zazuzar::Room(maxLength_, kMemoCapacity, Text().size(),
                       textCursor().selectedText().size());
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
    for (const os::ClipboardMarker& marker : os::SecretClipboardMarkers()) {
      data->setData(
          QString::fromLatin1(marker.format.data(), static_cast<qsizetype>(marker.format.size())),
          QByteArray(marker.bytes.data(), static_cast<qsizetype>(marker.bytes.size())));
    }
  }
  return data;
}

QStringList TMemo::Lines() const {
  // Laid out afresh at the width at which the field shows its text, the
  // width inside its frame, as it has no scroll bars: a field that has never
  // been shown has not laid out its own.
  const std::unique_ptr<QTextDocument> copy(document()->clone());
  copy->setPageSize(QSizeF(contentsRect().width(), -1));
  copy->documentLayout()->documentSize();  // finishes the layout
  QStringList rows;
  for (QTextBlock block = copy->begin(); block.isValid(); block = block.next()) {
    const QTextLayout* layout = block.layout();
    for (int i = 0; layout && i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      rows += block.text().mid(line.textStart(), line.textLength());
    }
  }
  return rows;
}

}  // namespace zazuzar
