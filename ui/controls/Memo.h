// Multi-line field that wraps at blanks, has no scroll bars and reads back
// exactly the text that was set (line ends included). Its lines are the rows
// as it lays them out at its width.
//
// The field's document is the only home of its text: a line end other than
// CR LF that a handler sets is kept with the block it ends, and once the user
// has edited the field every line end reads as CR LF.
#pragma once

#include <QTextEdit>

#include "ui/controls/LengthLimit.h"

namespace zazuzar {

class TMemo : public QTextEdit {
  Q_OBJECT
 public:
  explicit TMemo(QWidget* parent = nullptr);

  QString Text() const;
  void SetText(const QString& text);
  void Clear() { SetText(QString()); }
  void SetReadOnly(bool readOnly);
  void SetMaxLength(int maxLength) { maxLength_ = maxLength; }

  // The rows as the field lays its text out at its width, without line ends,
  // whether or not it is shown.
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
  int Room() const;

  bool secret_ = false;
  int maxLength_ = kNoLengthLimit;
};

}  // namespace zazuzar
