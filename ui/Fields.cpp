#include "ui/Fields.h"

#include <QAbstractScrollArea>
#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QResizeEvent>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>
#include <QValidator>
#include <algorithm>
#include <limits>
#include <utility>

#include "ui/JpegImage.h"
#include "ui/Win1252.h"

namespace zazuzar {
namespace {

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

bool InsertsText(const QKeyEvent* event) {
  const QString text = event->text();
  return !text.isEmpty() && text.at(0).isPrint() &&
         !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

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

// --- TEdit ---------------------------------------------------------------

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
  // The limit is kept here, not in QLineEdit, whose own limit would also cut
  // text that a handler sets.
  QLineEdit::setMaxLength(32767);
  setValidator(new UpperCaseValidator(this));
  setAcceptDrops(false);
}

void TEdit::SetText(const QString& text) {
  setText(text);
}

int TEdit::Room() const {
  if (maxLength_ <= 0) {
    return 32767 - static_cast<int>(text().size());
  }
  return maxLength_ - static_cast<int>(text().size() - selectedText().size());
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
  if (InsertsText(event) && !isReadOnly() && Room() < event->text().size()) {
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

// --- TMemo ---------------------------------------------------------------

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
  if (maxLength_ <= 0) {
    return std::numeric_limits<int>::max();
  }
  return maxLength_ - static_cast<int>(text_.size() - textCursor().selectedText().size());
}

void TMemo::keyPressEvent(QKeyEvent* event) {
  if (!isReadOnly()) {
    const bool newLine = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const int needs = newLine ? 2 : static_cast<int>(event->text().size());
    if ((newLine || InsertsText(event)) && Room() < needs) {
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

// --- TBitBtn -------------------------------------------------------------

namespace {

constexpr int kGlyphSpacing = 4;

// The columns that `text` inks when drawn in `font` from x = 0: the first,
// and one past the last. Taken from the text as drawn, since hinting and
// anti-aliasing make the ink differ from the font's metrics by a pixel.
std::pair<int, int> InkColumns(const QString& text, const QFont& font) {
  const QFontMetrics metrics(font);
  const int pad = metrics.height();
  QImage image(metrics.horizontalAdvance(text) + 2 * pad, metrics.height(),
               QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(pad, metrics.ascent(), text);
  painter.end();
  int first = image.width(), last = -1;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(row[x]) > 24) {  // faint edges of the anti-aliasing do not count
        first = std::min(first, x);
        last = std::max(last, x);
      }
    }
  }
  return last < 0 ? std::pair(0, 0) : std::pair(first - pad, last + 1 - pad);
}

}  // namespace

TBitBtn::TBitBtn(const QString& glyphResource, GlyphSide side, QWidget* parent)
    : QPushButton(parent), side_(side) {
  const QPixmap glyph = QPixmap::fromImage(LoadPictureFor(qApp->devicePixelRatio(), glyphResource));
  const int half = glyph.width() / 2;
  enabledGlyph_ = glyph.copy(0, 0, half, glyph.height());
  disabledGlyph_ = glyph.copy(half, 0, half, glyph.height());
  // The icon gives the button its size hint and its look in other styles;
  // paintEvent draws glyph and text itself.
  QIcon icon;
  icon.addPixmap(enabledGlyph_, QIcon::Normal);
  icon.addPixmap(disabledGlyph_, QIcon::Disabled);
  setIcon(icon);
  setIconSize(enabledGlyph_.deviceIndependentSize().toSize());
}

TBitBtn::Layout TBitBtn::Arrange() const {
  const QString caption = text();
  if (caption != inkText_ || font() != inkFont_) {
    qsizetype letters = caption.size();
    while (letters > 0 && caption.at(letters - 1) == QLatin1Char(' ')) {
      --letters;
    }
    // The text reaches from its first inked column to its last, and on over
    // its trailing blanks.
    const auto [first, end] = InkColumns(caption.left(letters), font());
    inkText_ = caption;
    inkFont_ = font();
    inkLeft_ = first;
    inkWidth_ = end - first + fontMetrics().horizontalAdvance(caption.mid(letters));
  }
  const QSize glyph = iconSize();
  const int pairWidth = glyph.width() + (caption.isEmpty() ? 0 : kGlyphSpacing + inkWidth_);
  const int left = (width() - pairWidth) / 2;
  const int glyphTop = (height() - glyph.height()) / 2;
  if (side_ == GlyphSide::Left) {
    const int textLeft = left + glyph.width() + kGlyphSpacing;
    return {QRect(QPoint(left, glyphTop), glyph), textLeft - inkLeft_};
  }
  return {QRect(QPoint(left + inkWidth_ + kGlyphSpacing, glyphTop), glyph), left - inkLeft_};
}

QRect TBitBtn::GlyphRect() const {
  return Arrange().glyph;
}

void TBitBtn::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  option.icon = QIcon();
  painter.drawControl(QStyle::CE_PushButton, option);  // face, frame and focus

  Layout layout = Arrange();
  if (option.state & (QStyle::State_On | QStyle::State_Sunken)) {
    const QPoint shift(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    layout.glyph.translate(shift);
    layout.textX += shift.x();
    painter.translate(0, shift.y());
  }
  painter.drawPixmap(layout.glyph, isEnabled() ? enabledGlyph_ : disabledGlyph_);
  const QRect textRect(layout.textX, 0, width() - layout.textX, height());
  style()->drawItemText(&painter, textRect, Qt::AlignLeft | Qt::AlignVCenter, palette(),
                        isEnabled(), text(), QPalette::ButtonText);
}

// --- TRadioButton ----------------------------------------------------------

bool TRadioButton::hitButton(const QPoint& pos) const {
  return rect().contains(pos);
}

void TRadioButton::paintEvent(QPaintEvent* event) {
  if (devicePixelRatio() < 2) {
    QRadioButton::paintEvent(event);
    return;
  }
  // The style's indicator is one pixel taller than the 13-pixel box; at
  // normal density its lowest row is blank, but at twice the density the
  // circle's lower edge falls on it. Draw the indicator half a pixel higher.
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  QStyleOptionButton part = option;
  part.rect = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
  painter.save();
  painter.translate(QPointF(0, -0.5));
  painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, part);
  painter.restore();
  part.rect = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
  painter.drawControl(QStyle::CE_RadioButtonLabel, part);
  if (option.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.rect = style()->subElementRect(QStyle::SE_RadioButtonFocusRect, &option, this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

// --- TPopupMenu ----------------------------------------------------------

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
