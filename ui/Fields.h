// The window's controls that need more than Qt gives them: an upper-case input
// field whose limit binds the user only, multi-line fields that keep their
// text exactly, buttons with a two-state glyph, and popup menus that know on
// which control they were opened.
#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

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
  int maxLength_ = 0;  // 0: no limit
};

// Multi-line field that wraps at blanks, has no scroll bars and reads back
// exactly the text that was set (line ends included). Its lines are the rows
// as it lays them out at its width.
class TMemo : public QTextEdit {
  Q_OBJECT
 public:
  explicit TMemo(QWidget* parent = nullptr);

  const QString& Text() const { return text_; }
  void SetText(const QString& text);
  void Clear() { SetText(QString()); }
  void SetReadOnly(bool readOnly);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int maxLength) { maxLength_ = maxLength; }

  // Row `index` as laid out at the field's width, without line ends; an empty
  // text past the last row.
  QString Line(int index) const;
  QStringList Lines() const;

  // Text as it goes to the clipboard: every line break becomes CR LF.
  static QString ClipboardText(const QString& text);

  // A secret field's copies carry a hint that keeps them out of clipboard
  // managers' histories.
  void SetSecret(bool secret) { secret_ = secret; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
  // A copy or drag carries the selection as plain text only.
  QMimeData* createMimeDataFromSelection() const override;

 private:
  void TakeUserEdit();
  int Room() const;

  QString text_;
  bool settingText_ = false;
  bool secret_ = false;
  int maxLength_ = 0;  // 0: no limit
};

// Push button with a glyph picture holding the enabled and the disabled image
// side by side. Glyph and text are centred together, 4 pixels apart; a blank
// at the end of the text counts as part of it.
class TBitBtn : public QPushButton {
  Q_OBJECT
 public:
  enum class GlyphSide { Left, Right };
  TBitBtn(const QString& glyphResource, GlyphSide side, QWidget* parent = nullptr);

  // Where the glyph stands in the button.
  QRect GlyphRect() const;

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
  // The ink of the text last laid out, kept until text or font change.
  mutable QString inkText_;
  mutable QFont inkFont_;
  mutable int inkLeft_ = 0;
  mutable int inkWidth_ = 0;
};

// Radio button that takes clicks anywhere in its box, right of its caption
// too, and keeps its indicator whole at any screen density.
class TRadioButton : public QRadioButton {
  Q_OBJECT
 public:
  using QRadioButton::QRadioButton;

 protected:
  bool hitButton(const QPoint& pos) const override;
  void paintEvent(QPaintEvent* event) override;
};

// Popup menu that remembers the control on which it was last opened.
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
