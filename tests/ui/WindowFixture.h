// A shown main window with preset dialogs, and the ways a person works it.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <memory>

#include "tests/ui/FakeDialogs.h"
#include "ui/Unit1.h"

// Readable failure messages for Qt's strings.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace zazuzar::testing {

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm1>(dialogs);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }
  // A fresh window with fresh dialogs, as the test began: for the next row of
  // a table. What the fixture keeps beside them (a folder) stays.
  void Restart() {
    form.reset();
    dialogs = FakeDialogs();
    SetUp();
  }

  static void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  // Real key events, one a character (QTest::keyClicks knows ASCII only).
  static void Type(QWidget* field, const QString& text) {
    field->setFocus();
    for (const QChar ch : text) {
      if (ch.unicode() < 0x80) {
        QTest::keyClick(field, ch.toLatin1());
      } else {
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
      }
    }
  }
  // A radio button takes a click anywhere in its box: click at its far right,
  // past the caption.
  static void ClickFarRight(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {},
                      QPoint(button->width() - 1, button->height() / 2));
  }
  void SwitchToDecode() { ClickFarRight(form->rb_VavorDecod); }
  void SwitchToEncode() { ClickFarRight(form->rb_VavorCode); }

  // Types a plain text, codes it, makes a key and enciphers; returns the
  // cipher text.
  QString Encipher(const QString& plain) {
    Type(form->VavorIn, plain);
    Click(form->bt_kodieren);
    Click(form->bt_OTPkey);
    Click(form->bt_OTPCrypt);
    return form->OTPCryptOut->Text();
  }

  FakeDialogs dialogs;
  std::unique_ptr<TForm1> form;
};

}  // namespace zazuzar::testing
