// The main window: every control, the two modes, and the thirteen handlers.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QWidget>

#include "ui/Dialogs.h"
#include "ui/Fields.h"

namespace zazuzar {

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  // The window's boxes and dialogs go through `dialogs`, which must outlive it.
  explicit TForm1(Dialogs& dialogs, QWidget* parent = nullptr);

  // Controls, in the order in which they are created.
  QTabWidget* PageControl1;
  QWidget* VavorSeite;
  QLabel* Label19;
  QLabel* Label20;
  QLabel* Image1;
  QGroupBox* RadioGroup7;
  QRadioButton* rb_VavorCode;
  QRadioButton* rb_VavorDecod;
  TEdit* VavorIn;
  TBitBtn* bt_OTPkey;
  TBitBtn* bt_OTPCrypt;
  TBitBtn* bt_OTPSave;
  TBitBtn* bt_OTPLoad;
  TMemo* OTPOut;
  TMemo* OTPCryptOut;
  TMemo* fuenfergruppenOut;
  TMemo* VavorDecrypt;
  TBitBtn* bt_OTPPrint;
  QPushButton* bt_kodieren;
  TBitBtn* BitBtn1;
  TBitBtn* bt_VavorDecryptPrint;
  TBitBtn* bt_VavorDecryptSave;
  TBitBtn* bt_VavorInLoad;
  TPopupMenu* PMenue;
  QAction* Einfuegen1;
  TPopupMenu* PMenue_K;
  QAction* Kopieren1;

  // Code and cipher actions.
  void Vavor(QObject* Sender);
  void VavorDeCoder(QObject* Sender);
  void OTPErzeugeClick(QObject* Sender);
  void BitBtn1Click(QObject* Sender);
  void bt_OTPCryptClick(QObject* Sender);

  // Text and key files.
  void bt_OTPLoadClick(QObject* Sender);
  void bt_OTPSaveClick(QObject* Sender);
  void bt_VavorInLoadClick(QObject* Sender);
  void bt_VavorDecryptSaveClick(QObject* Sender);
  QString DateFileName(const QString& extension);

  // Printing and clipboard.
  void bt_OTPPrintClick(QObject* Sender);
  void bt_VavorDecryptPrintClick(QObject* Sender);
  void Einfuegen1Click(QObject* Sender);
  void Kopieren1Click(QObject* Sender);

  bool EncodeMode() const { return rb_VavorCode->isChecked(); }

 private:
  void CreateControls();
  void SetTabOrder();
  void NameForScreenReaders();
  void BindEvents();
  template <typename Signal>
  void Bind(QObject* control, Signal signal, void (TForm1::*handler)(QObject*));

  Dialogs& dialogs_;
  // Which of OTPCryptOut and VavorDecrypt the output area shows; only the
  // code step changes it.
  bool decodeDisplay_ = false;
};

}  // namespace zazuzar
