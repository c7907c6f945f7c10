// What a keyboard and screen-reader user meets: the tab order and the names.
#include <QAccessible>
#include <QTabBar>

#include "tests/ui/WindowFixture.h"

namespace zazuzar::testing {
namespace {

QStringList WalkTabOrder(QWidget* start, int steps) {
  start->setFocus(Qt::TabFocusReason);
  QStringList visited;
  for (int i = 0; i < steps; ++i) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus) {
      visited += QStringLiteral("none");
      break;
    }
    visited += qobject_cast<QTabBar*>(focus) ? QStringLiteral("tab") : focus->objectName();
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  return visited;
}

TEST_F(WindowTest, TabKeyVisitsTheControlsInTheirOrder) {
  struct Row {
    const char* state;
    std::function<void()> prepare;
    QStringList expected;
  };
  const Row rows[] = {
      {"opening",
       [] {},
       {"tab", "VavorIn", "rb_VavorCode", "bt_OTPkey", "bt_OTPLoad", "OTPOut", "OTPCryptOut",
        "fuenfergruppenOut", "bt_kodieren", "BitBtn1", "bt_VavorInLoad", "tab"}},
      {"after enciphering, in decode mode",
       [this] {
         Encipher(QStringLiteral("ABC"));
         SwitchToDecode();
         Click(form->bt_kodieren);  // shows the decoded-text field
         Click(form->bt_OTPkey);
       },
       {"tab", "VavorIn", "rb_VavorDecod", "bt_OTPkey", "bt_OTPSave", "bt_OTPLoad", "OTPOut",
        "fuenfergruppenOut", "VavorDecrypt", "bt_OTPPrint", "bt_kodieren", "BitBtn1",
        "bt_VavorInLoad", "tab"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.state);
    row.prepare();
    const QStringList visited = WalkTabOrder(form->PageControl1->tabBar(), row.expected.size());
    EXPECT_EQ(visited, row.expected);
  }
}

TEST_F(WindowTest, EveryFieldAndButtonHasASpokenName) {
  const std::pair<QWidget*, QString> rows[] = {
      {form->VavorIn, QStringLiteral("Klartext: (max. 100 Zeichen)")},
      {form->fuenfergruppenOut, QStringLiteral("Code Ausgabe")},
      {form->OTPOut, QStringLiteral("OTP")},
      {form->OTPCryptOut, QStringLiteral("Ausgabe Chiffriertext")},
      {form->VavorDecrypt, QStringLiteral("Ausgabe Klartext")},
      {form->Image1, QStringLiteral("Codetabelle")},
      {form->bt_OTPCrypt, QStringLiteral("Chiffrieren ")},
      {form->bt_VavorDecryptPrint, QStringLiteral("Ausgabe Drucken ")},
      {form->rb_VavorDecod, QStringLiteral("Dekodieren")},
  };
  for (const auto& [widget, name] : rows) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), name) << widget->objectName().toStdString();
  }
  for (QAbstractButton* button : form->findChildren<QAbstractButton*>()) {
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name).isEmpty())
        << button->objectName().toStdString();
  }
  SwitchToDecode();
  EXPECT_EQ(QAccessible::queryAccessibleInterface(form->VavorIn)->text(QAccessible::Name),
            QStringLiteral("Chiffriertext: (max. 500 Zeichen)"));
}

}  // namespace
}  // namespace zazuzar::testing
