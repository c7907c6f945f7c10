#include "ui/Unit1.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QTabBar>

#include "core/OneTimePad.h"
#include "ui/ErrorReport.h"
#include "ui/JpegImage.h"

namespace zazuzar {
namespace {

template <typename T>
T* Named(T* object, const char* name) {
  object->setObjectName(QString::fromLatin1(name));
  return object;
}

TBitBtn* GlyphButton(const char* name, const char* glyph, TBitBtn::GlyphSide side, QWidget* parent,
                     QRect geometry, const QString& text, bool enabled) {
  auto* button =
      Named(new TBitBtn(QStringLiteral(":/resources/glyph_%1.png").arg(QLatin1String(glyph)), side,
                        parent),
            name);
  button->setGeometry(geometry);
  button->setText(text);
  button->setEnabled(enabled);
  return button;
}

TMemo* Memo(const char* name, QWidget* parent, QRect geometry) {
  auto* memo = Named(new TMemo(parent), name);
  memo->setGeometry(geometry);
  return memo;
}

}  // namespace

TForm1::TForm1(Dialogs& dialogs, QWidget* parent) : QWidget(parent), dialogs_(dialogs) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Zazuzar – Chiffrieren mit dem Einmalschlüssel"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  QIcon icon;
  const QImage icon32 = LoadPicture(QStringLiteral(":/resources/icon32.png"));
  icon.addPixmap(QPixmap::fromImage(icon32));
  icon.addPixmap(QPixmap::fromImage(LoadPicture(QStringLiteral(":/resources/icon16.png"))));
  if (qApp->devicePixelRatio() >= 2) {
    // Each pixel doubled, so that the holes stay as sharp as at normal density.
    icon.addPixmap(QPixmap::fromImage(icon32.scaled(icon32.size() * 2)));
  }
  setWindowIcon(icon);
  // The window's one font; no control sets its own.
  setFont(QFont(QStringLiteral("Liberation Sans"), 8));
  setFixedSize(828, 806);
  move(389, 87);

  CreateControls();
  SetTabOrder();
  NameForScreenReaders();
  BindEvents();
}

void TForm1::CreateControls() {
  PageControl1 = Named(new QTabWidget(this), "PageControl1");
  PageControl1->setGeometry(7, 7, 818, 794);
  PageControl1->setCursor(Qt::PointingHandCursor);
  VavorSeite = Named(new QWidget, "VavorSeite");
  VavorSeite->setCursor(Qt::ArrowCursor);
  // The page shows the window's own colour, not the lighter one the style
  // gives a tab page; frame and tab stay as the style draws them.
  VavorSeite->setAutoFillBackground(true);
  PageControl1->addTab(VavorSeite, QStringLiteral("Zazuzar"));
  QWidget* page = VavorSeite;

  Label19 = Named(new QLabel(QStringLiteral("Klartext: (max. 100 Zeichen)"), page), "Label19");
  Label19->move(7, 7);
  Label19->adjustSize();
  Label20 = Named(new QLabel(QStringLiteral("Code Ausgabe"), page), "Label20");
  Label20->move(7, 137);
  Label20->adjustSize();
  Image1 = Named(new QLabel(page), "Image1");
  Image1->setGeometry(376, 104, 433, 169);
  Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image1->setPixmap(QPixmap::fromImage(
      LoadPictureFor(qApp->devicePixelRatio(), QStringLiteral(":/resources/codetable.jpg"))));

  RadioGroup7 = Named(new QGroupBox(QStringLiteral("Text Modus"), page), "RadioGroup7");
  RadioGroup7->setGeometry(7, 56, 346, 73);
  rb_VavorCode = Named(new TRadioButton(QStringLiteral("Kodieren"), page), "rb_VavorCode");
  rb_VavorCode->setGeometry(23, 79, 92, 13);
  rb_VavorCode->setChecked(true);
  rb_VavorDecod = Named(new TRadioButton(QStringLiteral("Dekodieren"), page), "rb_VavorDecod");
  rb_VavorDecod->setGeometry(25, 103, 92, 13);

  VavorIn = Named(new TEdit(page), "VavorIn");
  VavorIn->setGeometry(8, 24, 649, 21);
  VavorIn->SetMaxLength(static_cast<int>(kPlainTextLimit));

  using Side = TBitBtn::GlyphSide;
  bt_OTPkey = GlyphButton("bt_OTPkey", "key", Side::Left, page, {8, 296, 121, 25},
                          QStringLiteral("OTP erzeugen"), true);
  // "Chiffrieren " with a trailing blank until the first mode switch, which
  // sets "Chiffrieren" without it: both are the program's own captions.
  bt_OTPCrypt = GlyphButton("bt_OTPCrypt", "pages", Side::Right, page, {8, 496, 153, 25},
                            QStringLiteral("Chiffrieren "), false);
  bt_OTPSave = GlyphButton("bt_OTPSave", "save", Side::Right, page, {368, 400, 105, 25},
                           QStringLiteral("OTP Speichern "), false);
  bt_OTPLoad = GlyphButton("bt_OTPLoad", "open", Side::Right, page, {368, 368, 105, 25},
                           QStringLiteral("OTP Laden"), true);

  OTPOut = Memo("OTPOut", page, {8, 328, 345, 153});
  OTPOut->SetMaxLength(static_cast<int>(kKeyLength));
  OTPOut->setContextMenuPolicy(Qt::NoContextMenu);
  OTPOut->SetSecret(true);  // the key
  OTPCryptOut = Memo("OTPCryptOut", page, {8, 528, 361, 225});
  fuenfergruppenOut = Memo("fuenfergruppenOut", page, {8, 161, 361, 112});
  fuenfergruppenOut->setContextMenuPolicy(Qt::NoContextMenu);
  fuenfergruppenOut->SetSecret(true);  // the plain text in code groups
  VavorDecrypt = Memo("VavorDecrypt", page, {8, 528, 361, 227});
  VavorDecrypt->SetSecret(true);  // the deciphered plain text
  VavorDecrypt->hide();

  bt_OTPPrint = GlyphButton("bt_OTPPrint", "printer", Side::Right, page, {368, 432, 105, 25},
                            QStringLiteral("OTP Drucken "), false);
  bt_kodieren = Named(new QPushButton(QStringLiteral("Kodieren"), page), "bt_kodieren");
  bt_kodieren->setGeometry(160, 88, 153, 25);
  BitBtn1 = GlyphButton("BitBtn1", "keypad", Side::Right, page, {368, 336, 105, 25},
                        QStringLiteral("OTP Editieren"), true);

  // These three lie on the window, above the page control.
  bt_VavorDecryptPrint =
      GlyphButton("bt_VavorDecryptPrint", "printer", Side::Right, this, {384, 584, 129, 25},
                  QStringLiteral("Ausgabe Drucken "), false);
  bt_VavorDecryptSave =
      GlyphButton("bt_VavorDecryptSave", "save", Side::Right, this, {384, 552, 129, 25},
                  QStringLiteral("Ausgabe Speichern "), false);
  bt_VavorInLoad = GlyphButton("bt_VavorInLoad", "open", Side::Right, this, {672, 51, 105, 25},
                               QStringLiteral("Text Laden"), true);

  PMenue = Named(new TPopupMenu(this), "PMenue");
  Einfuegen1 = Named(PMenue->addAction(QStringLiteral("Einfügen")), "Einfuegen1");
  PMenue->AttachTo(VavorIn);
  PMenue_K = Named(new TPopupMenu(this), "PMenue_K");
  Kopieren1 = Named(PMenue_K->addAction(QStringLiteral("Kopieren")), "Kopieren1");
  PMenue_K->AttachTo(OTPCryptOut);
  PMenue_K->AttachTo(VavorDecrypt);
}

void TForm1::SetTabOrder() {
  // The tab first, then the page's controls, then the buttons on the window.
  // Disabled and hidden controls are skipped by Qt itself, and the frame,
  // labels and picture take no focus.
  const QList<QWidget*> order = {
      PageControl1->tabBar(),
      VavorIn,
      rb_VavorCode,
      rb_VavorDecod,
      bt_OTPkey,
      bt_OTPCrypt,
      bt_OTPSave,
      bt_OTPLoad,
      OTPOut,
      OTPCryptOut,
      fuenfergruppenOut,
      VavorDecrypt,
      bt_OTPPrint,
      bt_kodieren,
      BitBtn1,
      bt_VavorDecryptPrint,
      bt_VavorDecryptSave,
      bt_VavorInLoad,
  };
  for (qsizetype i = 1; i < order.size(); ++i) {
    setTabOrder(order[i - 1], order[i]);
  }
}

void TForm1::NameForScreenReaders() {
  // A screen reader names a field after its label (the label's text follows
  // the mode), the others after what they stand for; buttons speak their
  // captions by themselves.
  Label19->setBuddy(VavorIn);
  Label20->setBuddy(fuenfergruppenOut);
  OTPOut->setAccessibleName(QStringLiteral("OTP"));
  OTPCryptOut->setAccessibleName(QStringLiteral("Ausgabe Chiffriertext"));
  VavorDecrypt->setAccessibleName(QStringLiteral("Ausgabe Klartext"));
  Image1->setAccessibleName(QStringLiteral("Codetabelle"));
}

template <typename Control, typename SignalOwner>
void TForm1::Bind(Control* control, void (SignalOwner::*signal)(bool),
                  void (TForm1::*handler)(QObject*)) {
  connect(control, signal, this, [this, control, handler] {
    RunGuarded(dialogs_, this, [&] { (this->*handler)(control); });
  });
}

void TForm1::BindEvents() {
  Bind(bt_kodieren, &QPushButton::clicked, &TForm1::Vavor);
  for (QRadioButton* button : {rb_VavorCode, rb_VavorDecod}) {
    // "Becomes checked": the unchecked button's toggle is not an event here.
    connect(button, &QRadioButton::toggled, this, [this, button](bool checked) {
      if (checked) {
        RunGuarded(dialogs_, this, [&] { VavorDeCoder(button); });
      }
    });
  }
  Bind(bt_OTPkey, &QPushButton::clicked, &TForm1::OTPErzeugeClick);
  Bind(BitBtn1, &QPushButton::clicked, &TForm1::BitBtn1Click);
  Bind(bt_OTPCrypt, &QPushButton::clicked, &TForm1::bt_OTPCryptClick);
  Bind(bt_OTPLoad, &QPushButton::clicked, &TForm1::bt_OTPLoadClick);
  Bind(bt_OTPSave, &QPushButton::clicked, &TForm1::bt_OTPSaveClick);
  Bind(bt_VavorInLoad, &QPushButton::clicked, &TForm1::bt_VavorInLoadClick);
  Bind(bt_VavorDecryptSave, &QPushButton::clicked, &TForm1::bt_VavorDecryptSaveClick);
  Bind(bt_OTPPrint, &QPushButton::clicked, &TForm1::bt_OTPPrintClick);
  Bind(bt_VavorDecryptPrint, &QPushButton::clicked, &TForm1::bt_VavorDecryptPrintClick);
  Bind(Einfuegen1, &QAction::triggered, &TForm1::Einfuegen1Click);
  Bind(Kopieren1, &QAction::triggered, &TForm1::Kopieren1Click);
}

void TForm1::VavorDeCoder(QObject*) {
  VavorIn->SetText(QString());
  fuenfergruppenOut->Clear();
  VavorDecrypt->Clear();
  bt_OTPCrypt->setEnabled(false);
  // The output buttons would act on the field of the new mode, not on the one
  // still shown: they wait for the next cipher step.
  bt_VavorDecryptSave->setEnabled(false);
  bt_VavorDecryptPrint->setEnabled(false);
  if (rb_VavorCode->isChecked()) {
    Label19->setText(QStringLiteral("Klartext: (max. 100 Zeichen)"));
    bt_kodieren->setText(rb_VavorCode->text());
    bt_OTPCrypt->setText(QStringLiteral("Chiffrieren"));  // no trailing blank, unlike at start
    VavorIn->SetMaxLength(static_cast<int>(kPlainTextLimit));
    bt_VavorInLoad->setText(QStringLiteral("Text Laden"));
  } else {
    bt_kodieren->setText(rb_VavorDecod->text());
    Label19->setText(QStringLiteral("Chiffriertext: (max. 500 Zeichen)"));
    bt_OTPCrypt->setText(QStringLiteral("Dechiffrieren"));
    VavorIn->SetMaxLength(static_cast<int>(kCipherTextLimit));
    bt_VavorInLoad->setText(QStringLiteral("Crypt Laden"));
  }
  Label19->adjustSize();
}

}  // namespace zazuzar
