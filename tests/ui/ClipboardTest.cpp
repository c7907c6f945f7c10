// The popup menus of the fields and what they do with the clipboard, on the
// offscreen platform's clipboard.
#include <QAbstractScrollArea>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <utility>
#include <vector>

#include "tests/ui/WindowFixture.h"

namespace zazuzar::testing {
namespace {

// What goes along with a copied secret, so that clipboard managers keep it
// out of their history: Windows' own three formats (a DWORD 0 for each), the
// hint that Linux desktops' clipboard managers honour.
const std::vector<std::pair<QString, QByteArray>> kSecretMarkers = {
#ifdef _WIN32
    {"ExcludeClipboardContentFromMonitorProcessing", QByteArray(4, '\0')},
    {"CanIncludeInClipboardHistory", QByteArray(4, '\0')},
    {"CanUploadToCloudClipboard", QByteArray(4, '\0')},
#else
    {"x-kde-passwordManagerHint", "secret"},
#endif
};

class ClipboardTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    Clipboard()->setText(kBefore);
  }
  void TearDown() override {
    if (QWidget* popup = QApplication::activePopupWidget())
      popup->close();
  }

  static QClipboard* Clipboard() { return QGuiApplication::clipboard(); }

  // Right click on a field as the window system delivers it; returns the menu
  // that opened (closed again at once), or null.
  static QMenu* RightClick(QWidget* field) {
    auto* area = qobject_cast<QAbstractScrollArea*>(field);
    QWidget* target = area ? area->viewport() : field;
    const QPoint pos(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
    QApplication::sendEvent(target, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu)
      menu->close();
    return menu;
  }

  const QString kBefore = QStringLiteral("vorher");
};

struct MenuRow {
  TMemo* TForm1::*memo;       // null: the input field
  TPopupMenu* TForm1::*menu;  // null: no menu at all
  const char* item;
};

TEST_F(ClipboardTest, EachFieldOffersItsOwnMenuOrNone) {
  const MenuRow rows[] = {
      {nullptr, &TForm1::PMenue, "Einfügen"},
      {&TForm1::OTPCryptOut, &TForm1::PMenue_K, "Kopieren"},
      {&TForm1::VavorDecrypt, &TForm1::PMenue_K, "Kopieren"},
      {&TForm1::fuenfergruppenOut, nullptr, nullptr},
      {&TForm1::OTPOut, nullptr, nullptr},
  };
  form->VavorDecrypt->show();
  for (const MenuRow& row : rows) {
    QWidget* field = row.memo ? static_cast<QWidget*>(form.get()->*row.memo) : form->VavorIn;
    SCOPED_TRACE(field->objectName().toStdString());
    QMenu* opened = RightClick(field);
    if (!row.menu) {
      EXPECT_EQ(opened, nullptr);
      EXPECT_EQ(field->contextMenuPolicy(), Qt::NoContextMenu);
      continue;
    }
    TPopupMenu* expected = form.get()->*row.menu;
    ASSERT_EQ(opened, expected);
    EXPECT_EQ(expected->PopupComponent(), field);
    ASSERT_EQ(expected->actions().size(), 1);
    EXPECT_EQ(expected->actions().at(0)->text(), QString::fromUtf8(row.item));
  }
}

struct PasteRow {
  const char* situation;
  bool decode;
  QString before;
  bool selectAll;
  QString clip;  // null: empty clipboard
  QString after;
};

TEST_F(ClipboardTest, PasteKeepsTheInputFieldsRules) {
  const QString a150(150, QLatin1Char('a')), b98(98, QLatin1Char('B')), b100(100, QLatin1Char('B'));
  const PasteRow rows[] = {
      {"held to 100 in encode mode", false, "", false, a150, QString(100, QLatin1Char('A'))},
      {"upper-cased", false, "", false, "grüße aus köln", "GRÜßE AUS KÖLN"},
      {"only what is left of the limit", false, b98, false, "xyz", b98 + "XY"},
      {"the selection makes room", false, b100, true, "xyz", "XYZ"},
      {"held to 600 in decode mode", true, "", false, QString(700, QLatin1Char('1')),
       QString(600, QLatin1Char('1'))},
      {"empty clipboard", false, "ABC", false, QString(), "ABC"},
      {"empty clipboard over a selection: removed", false, "ABC", true, QString(), ""},
  };
  for (const PasteRow& row : rows) {
    SCOPED_TRACE(row.situation);
    Restart();
    if (row.decode)
      SwitchToDecode();
    form->VavorIn->SetText(row.before);
    if (row.selectAll)
      form->VavorIn->selectAll();
    if (row.clip.isNull()) {
      Clipboard()->clear();
    } else {
      Clipboard()->setText(row.clip);
    }
    ASSERT_EQ(RightClick(form->VavorIn), form->PMenue);
    form->Einfuegen1->trigger();
    EXPECT_EQ(form->VavorIn->Text(), row.after);
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

struct CopyRow {
  const char* situation;
  TMemo* TForm1::*field;
  QString text;
  int preselect;         // characters selected before the copy
  QString clip;          // the clipboard afterwards
  QString selected;      // the field's selection afterwards
  bool secret;           // marked to stay out of clipboard histories
  bool ownCopy = false;  // the field's own copy (Ctrl+C), not the menu's
};

TEST_F(ClipboardTest, CopyTakesTheWholeTextOfTheOutputField) {
  const QString cipher = QStringLiteral("12345 67890 13579 ");
  const QChar paragraph = QChar::ParagraphSeparator;
  const CopyRow rows[] = {
      {"cipher field: whole text, selection kept", &TForm1::OTPCryptOut, cipher, 3, cipher, "123",
       false},
      {"empty cipher field: empty text", &TForm1::OTPCryptOut, "", 0, "", "", false},
      {"decoded text: whole text, left selected", &TForm1::VavorDecrypt, "TREFFEN18UHR", 2,
       "TREFFEN18UHR", "TREFFEN18UHR", true},
      {"decoded text with a line break: CR LF", &TForm1::VavorDecrypt, "AB\nCD", 0, "AB\r\nCD",
       QString("AB") + paragraph + "CD", true},
      {"empty decoded text: nothing selected, clipboard kept", &TForm1::VavorDecrypt, "", 0,
       kBefore, "", false},
      {"key field, its own copy: the selection", &TForm1::OTPOut, cipher, 5, "12345", "12345", true,
       true},
  };
  for (const CopyRow& row : rows) {
    SCOPED_TRACE(row.situation);
    Restart();
    TMemo* field = form.get()->*row.field;
    // The output area shows the field on which the menu opens.
    form->OTPCryptOut->setVisible(field == form->OTPCryptOut);
    form->VavorDecrypt->setVisible(field == form->VavorDecrypt);
    field->SetText(row.text);
    QTextCursor cursor = field->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(row.preselect, QTextCursor::KeepAnchor);
    field->setTextCursor(cursor);

    if (row.ownCopy) {
      QTest::keySequence(field, QKeySequence::Copy);
    } else {
      ASSERT_EQ(RightClick(field), form->PMenue_K);
      form->Kopieren1->trigger();
    }
    EXPECT_EQ(Clipboard()->text(), row.clip);
    EXPECT_EQ(field->textCursor().selectedText(), row.selected);
    if (row.clip != kBefore) {
      const QMimeData* data = Clipboard()->mimeData();
      QStringList formats{QStringLiteral("text/plain")};
      for (const auto& [format, bytes] : row.secret ? kSecretMarkers : decltype(kSecretMarkers){}) {
        formats << format;
        EXPECT_EQ(data->data(format), bytes) << format.toStdString();
      }
      EXPECT_EQ(data->formats(), formats);
    }
  }
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ClipboardTest, CopyFromAnyOtherControlDoesNothing) {
  form->OTPOut->SetText(QStringLiteral("12345 "));
  form->Kopieren1->trigger();  // the menu never opened
  form->PMenue_K->Popup(form->OTPOut, form->OTPOut->mapToGlobal(QPoint()));
  form->PMenue_K->close();
  form->Kopieren1->trigger();
  EXPECT_EQ(Clipboard()->text(), kBefore);
}

}  // namespace
}  // namespace zazuzar::testing
