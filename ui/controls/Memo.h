// Multi-line field that wraps at blanks, has no scroll bars and reads back
// exactly the text that was set (line ends included). Its lines are the rows
// as it lays them out at its width.
#pragma once

#include <QTextEdit>

#include "ui/controls/LengthLimit.h"

namespace zazuzar {

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
  int maxLength_ = kNoLengthLimit;
};

// Push button with a glyph picture holding the enabled and the disabled image

}  // namespace zazuzar
