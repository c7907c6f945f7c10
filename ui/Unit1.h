// The main window: every control, the two modes, and the thirteen handlers.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QWidget>

#include "ui/Dialogs.h"
#include "ui/controls/Edit.h"
#include "ui/controls/GlyphButton.h"
#include "ui/controls/Memo.h"
#include "ui/controls/PopupMenu.h"
#include "ui/controls/RadioButton.h"

namespace zazuzar {

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  // The window's boxes and dialogs go through `dialogs`, which must outlive it.
  explicit TForm1(Dialogs& dialogs, QWidget* parent = nullptr);

  // Controls, in the order in which they are created. The names are the
  // window's own; each comment says what the control is.
  QTabWidget* PageControl1;       // the tab control that fills the window
  QWidget* VavorSeite;            // its one page, "Zazuzar", which holds the rest
  QLabel* Label19;                // caption over the input; names the input's limit by mode
  QLabel* Label20;                // caption "Code Ausgabe" over the code output
  QLabel* Image1;                 // picture of the code table, for the user only
  QGroupBox* RadioGroup7;         // frame "Text Modus" behind the two mode buttons
  QRadioButton* rb_VavorCode;     // mode button: encode mode when checked
  QRadioButton* rb_VavorDecod;    // mode button: decode mode when checked
  TEdit* VavorIn;                 // input: plain text, or cipher text in decode mode
  TBitBtn* bt_OTPkey;             // button "OTP erzeugen": new random key
  TBitBtn* bt_OTPCrypt;           // button "Chiffrieren"/"Dechiffrieren": the cipher step
  TBitBtn* bt_OTPSave;            // button: save the key to a file
  TBitBtn* bt_OTPLoad;            // button: load a key from a file
  TMemo* OTPOut;                  // key: 100 five-digit groups, read-only until BitBtn1
  TMemo* OTPCryptOut;             // output: cipher text in groups (encode display)
  TMemo* fuenfergruppenOut;       // code output: the digits in five-digit groups
  TMemo* VavorDecrypt;            // output: decoded plain text (decode display)
  TBitBtn* bt_OTPPrint;           // button: print the key
  QPushButton* bt_kodieren;       // button "Kodieren"/"Dekodieren": the code step
  TBitBtn* BitBtn1;               // button "OTP Editieren": lets the user type the key
  TBitBtn* bt_VavorDecryptPrint;  // button: print the output of the current mode
  TBitBtn* bt_VavorDecryptSave;   // button: save the output of the current mode
  TBitBtn* bt_VavorInLoad;        // button: load a text, or a cipher text in decode mode
  TPopupMenu* PMenue;             // right-click menu of the input
  QAction* Einfuegen1;            // its item "Einfügen": paste
  TPopupMenu* PMenue_K;           // right-click menu of the two output fields
  QAction* Kopieren1;             // its item "Kopieren": copy the whole output

  // Code and cipher actions.
  void Vavor(QObject* Sender);             // code step: input to groups, or cipher text as typed
  void VavorDeCoder(QObject* Sender);      // mode switch: empties fields, sets captions and limit
  void OTPErzeugeClick(QObject* Sender);   // key generation: a new random key
  void BitBtn1Click(QObject* Sender);      // key editing: makes the key field editable
  void bt_OTPCryptClick(QObject* Sender);  // cipher step: code groups and key to cipher text

  // Text and key files.
  void bt_OTPLoadClick(QObject* Sender);           // load a key file
  void bt_OTPSaveClick(QObject* Sender);           // save the key
  void bt_VavorInLoadClick(QObject* Sender);       // load a text or cipher file into the input
  void bt_VavorDecryptSaveClick(QObject* Sender);  // save the output of the current mode
  QString DateFileName(const QString& extension);  // today's date as a default file name

  // Printing and clipboard.
  void bt_OTPPrintClick(QObject* Sender);           // print ten lines of the key
  void bt_VavorDecryptPrintClick(QObject* Sender);  // print ten lines of the current mode's output
  void Einfuegen1Click(QObject* Sender);            // paste the clipboard into the input
  void Kopieren1Click(QObject* Sender);             // copy the output the menu was opened on

  // Whether the window is in encode mode ("Kodieren" checked).
  bool EncodeMode() const { return rb_VavorCode->isChecked(); }

 private:
  void CreateControls();
  void SetTabOrder();
  void NameForScreenReaders();
  void BindEvents();
  // Runs `handler` guarded, with `control` as the sender, on each `signal`
  // (clicked, triggered) of `control`.
  template <typename Control, typename SignalOwner>
  void Bind(Control* control, void (SignalOwner::*signal)(bool), void (TForm1::*handler)(QObject*));

  Dialogs& dialogs_;
  // Which of OTPCryptOut and VavorDecrypt the output area shows; only the
  // code step changes it.
  bool decodeDisplay_ = false;
};

}  // namespace zazuzar
