// Printouts, read back from PDF files with poppler's tools: the printer text
// sink on its own, and the two print buttons of the window.
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <vector>

#include "tests/ui/WindowFixture.h"
#include "ui/PdfPrintout.h"
#include "ui/PrinterText.h"

namespace zazuzar::testing {
namespace {

// Where poppler's tools are missing, the tests that read printouts back skip.
bool PopplerMissing() {
  for (const char* tool : {"pdftotext", "pdfinfo", "pdftoppm"}) {
    if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
      return true;
    }
  }
  return false;
}
#ifdef _WIN32
constexpr const char* kNoPoppler = "poppler's tools, which read printouts back, are Linux programs";
#else
constexpr const char* kNoPoppler =
    "poppler's pdftotext, pdfinfo or pdftoppm is missing (poppler-utils)";
#endif

QString RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    ADD_FAILURE() << program.toStdString()
                  << " failed: " << process.readAllStandardError().toStdString();
    return QString();
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The rows of text on a page (0: all pages) as pdftotext lays them out, blank
// rows left out and runs of blanks made one.
QStringList PrintedRows(const QString& pdf, int page = 0) {
  QStringList arguments{QStringLiteral("-layout")};
  if (page > 0) {
    arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
              << QString::number(page);
  }
  arguments << pdf << QStringLiteral("-");
  QStringList rows;
  for (const QString& row :
       RunTool(QStringLiteral("pdftotext"), arguments).split(QLatin1Char('\n'))) {
    const QString text = QString(row).remove(QLatin1Char('\f')).simplified();
    if (!text.isEmpty()) {
      rows += text;
    }
  }
  return rows;
}

int PageCount(const QString& pdf) {
  const auto match =
      QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
          .match(RunTool(QStringLiteral("pdfinfo"), {pdf}));
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// A word's box on the page, in points from the page's top left.
struct Word {
  QString text;
  double left, top;
};

std::vector<Word> Words(const QString& pdf) {
  static const QRegularExpression word(QStringLiteral(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re"));
  std::vector<Word> words;
  const QString html = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, "-"});
  for (auto it = word.globalMatch(html); it.hasNext();) {
    const auto match = it.next();
    words.push_back(
        {match.captured(3), match.captured(1).toDouble(), match.captured(2).toDouble()});
  }
  return words;
}

// The first ten rows of a field as they should come out of the printer.
QStringList ExpectedRows(const TMemo& field) {
  QStringList rows;
  for (const QString& row : field.Lines().mid(0, 10)) {
    if (!row.simplified().isEmpty()) {
      rows += row.simplified();
    }
  }
  return rows;
}

const QFont kFieldFont(QStringLiteral("Liberation Sans"), 8);

// --- the printer text sink --------------------------------------------------

class PrinterTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (PopplerMissing()) {
      GTEST_SKIP() << kNoPoppler;
    }
    ASSERT_TRUE(dir.isValid());
    auto probe = Writer(QStringLiteral("probe.pdf"));
    pageWidth = probe->width();
    pageHeight = probe->height();
    height = QFontMetrics(kFieldFont, probe.get()).height();
  }

  // A PDF writer at 300 units an inch with 10 mm margins all round.
  std::unique_ptr<QPdfWriter> Writer(const QString& name) {
    auto writer = std::make_unique<QPdfWriter>(dir.filePath(name));
    writer->setResolution(300);
    writer->setPageSize(QPageSize(QPageSize::A4));
    writer->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    return writer;
  }
  // One document through a sink in the field font; returns the PDF's path.
  QString Print(const QString& name, const std::function<void(PrinterText&)>& write) {
    auto writer = Writer(name);
    PrinterText printer(*writer);
    printer.BeginDoc();
    printer.SetFont(kFieldFont);
    write(printer);
    printer.EndDoc();
    EXPECT_FALSE(printer.Printing());
    return dir.filePath(name);
  }
  static double Points(int units) { return units * 72.0 / 300.0; }
  int Advance(const QString& text) const {
    QPdfWriter same(dir.filePath(QStringLiteral("unused.pdf")));
    same.setResolution(300);
    return QFontMetrics(kFieldFont, &same).horizontalAdvance(text);
  }

  QTemporaryDir dir;
  int pageWidth = 0, pageHeight = 0, height = 0;
};

TEST_F(PrinterTextTest, LinesRunDownFromTheTopLeftOfThePrintableArea) {
  const QString pdf = Print(QStringLiteral("lines.pdf"), [this](PrinterText& printer) {
    EXPECT_EQ(printer.Position(), QPoint(0, 0));
    printer.WriteLine(QStringLiteral("A1"));
    EXPECT_EQ(printer.Position(), QPoint(0, height + 2)) << "a line of text: its height and 2";
    printer.Write(QStringLiteral("B2"));
    printer.Write(QStringLiteral("B3"));
    printer.EndLine();
    printer.WriteLine(QString());
    EXPECT_EQ(printer.Position(), QPoint(0, 2 * (height + 2) + height)) << "empty: the font's";
    printer.WriteLine(QStringLiteral("C4"));
  });
  EXPECT_EQ(PrintedRows(pdf), (QStringList{"A1", "B2B3", "C4"}));
  const std::vector<Word> words = Words(pdf);
  ASSERT_EQ(words.size(), 3u);
  const double margin = 10 * 72 / 25.4;
  for (const Word& word : words)
    EXPECT_NEAR(word.left, margin, 0.5);
  EXPECT_NEAR(words[0].top, margin, 1.5);
  EXPECT_NEAR(words[1].top - words[0].top, Points(height + 2), 0.1);
  EXPECT_NEAR(words[2].top - words[1].top, Points(height + 2 + height), 0.1);
}

TEST_F(PrinterTextTest, TextWiderThanThePageGoesOnOnTheNextLine) {
  const QString digits = QStringLiteral("0123456789").repeated(40);
  struct Case {
    QString before, wide;
  };
  std::vector<Case> cases = {{QString(), digits}, {QStringLiteral("ABC "), digits}};
  // Faces outside the BMP, each a surrogate pair, after as many dots as leave
  // room at the end of the line for the first half of a pair but not a face.
  // Where the font makes half a pair at least as wide as a face, no line can
  // end inside a pair, and there is nothing to check.
  const char32_t faceCode = U'\U0001F634';
  const QString face = QString::fromUcs4(&faceCode, 1);
  QString dots;
  while ((pageWidth - Advance(dots)) % Advance(face) < Advance(face.left(1)) && dots.size() < 99)
    dots += QLatin1Char('.');
  if (dots.size() < 99) {
    cases.push_back({dots, face.repeated(60)});
  }
  for (const auto& row : cases) {
    const QString &before = row.before, &wide = row.wide;  // clang 14 captures no bindings
    SCOPED_TRACE(before.toStdString());
    const QString pdf = Print(QStringLiteral("wide%1-%2.pdf").arg(before.size()).arg(wide.size()),
                              [&](PrinterText& printer) {
                                printer.Write(before);
                                printer.WriteLine(wide);
                              });
    QStringList rows = PrintedRows(pdf);
    if (wide.at(0).isHighSurrogate()) {
      // Qt's PDF gives back no text for a face, but half a pair as U+FFFD.
      EXPECT_EQ(rows, QStringList{before});
      continue;
    }
    ASSERT_GE(rows.size(), 3);
    EXPECT_EQ(rows.join(QString()).remove(QLatin1Char(' ')),
              QString(before + wide).remove(QLatin1Char(' ')));
    // Each row ends after the last character that fits.
    rows[0] = rows[0].mid(before.isEmpty() ? 0 : before.size());
    int room = pageWidth - Advance(before);
    for (int i = 0; i + 1 < rows.size(); ++i) {
      EXPECT_LE(Advance(rows[i]), room) << i;
      EXPECT_GT(Advance(rows[i] + rows[i + 1].at(0)), room) << i;
      room = pageWidth;
    }
  }
}

struct PageRow {
  const char* situation;
  int textLines;   // lines of text written, numbered from 1
  int emptyLines;  // empty lines written after them
  int pages;
};

TEST_F(PrinterTextTest, NewPageBeginsWhenTheNextLineWouldLieTooLow) {
  // After a line of text the next must lie within the page less twice the
  // advance; after an empty line within the page.
  const int advance = height + 2;
  int full = 1;
  while (full * advance <= pageHeight - 2 * advance)
    ++full;
  int fullEmpty = 1;
  while (fullEmpty * height <= pageHeight)
    ++fullEmpty;
  ASSERT_GT(full, 10);
  const PageRow rows[] = {
      {"one text line short of the limit", full - 1, 0, 1},
      {"the text line that passes the limit", full, 0, 2},
      {"a text line more", full + 1, 0, 2},
      {"one empty line short of the page", 0, fullEmpty - 1, 1},
      {"the empty line that passes the page", 0, fullEmpty, 2},
  };
  for (const PageRow& row : rows) {
    SCOPED_TRACE(row.situation);
    const QString pdf = Print(QStringLiteral("%1-%2.pdf").arg(row.textLines).arg(row.emptyLines),
                              [&row](PrinterText& printer) {
                                for (int i = 1; i <= row.textLines; ++i)
                                  printer.WriteLine(QString::number(i));
                                for (int i = 0; i < row.emptyLines; ++i)
                                  printer.EndLine();
                              });
    ASSERT_EQ(PageCount(pdf), row.pages);
    if (row.pages == 2) {
      // The line after the limit, if any, stands at the top of page 2.
      const QStringList second = PrintedRows(pdf, 2);
      EXPECT_EQ(second,
                row.textLines > full ? QStringList{QString::number(full + 1)} : QStringList());
      if (!second.isEmpty()) {
        const std::vector<Word> words = Words(pdf);
        EXPECT_NEAR(words.back().top, words.front().top, 0.5);
      }
    }
  }
}

// --- the print buttons -------------------------------------------------------

class PrintTest : public WindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    WindowTest::SetUp();
  }
  // The next print dialog chooses a new PDF file.
  QString NextTarget() {
    const QString path = dir.filePath(QStringLiteral("job%1.pdf").arg(++jobs));
    dialogs.printTargets.push_back(path);
    return path;
  }
  void Decipher(const QString& cipher) {
    SwitchToDecode();
    form->VavorIn->SetText(cipher);
    Click(form->bt_kodieren);
    Click(form->bt_OTPCrypt);
  }
  void ExpectPrinted(const QString& pdf, const QStringList& rows) {
    ASSERT_TRUE(QFileInfo::exists(pdf));
#ifndef _WIN32
    EXPECT_FALSE(QFileInfo(pdf).permissions() & (QFile::ReadGroup | QFile::ReadOther))
        << "owner-only";
#endif
    EXPECT_EQ(PageCount(pdf), 1);
    EXPECT_EQ(PrintedRows(pdf), rows);
    EXPECT_TRUE(dialogs.shown.empty());
  }

  QTemporaryDir dir;
  int jobs = 0;
};

TEST_F(PrintTest, KeyPrintIsTheKeyFieldsFirstTenRows) {
  if (PopplerMissing()) {
    GTEST_SKIP() << kNoPoppler;
  }
  // Empty: ten empty lines, a blank page.
  const QString blank = NextTarget();
  form->bt_OTPPrintClick(nullptr);
  ExpectPrinted(blank, {});

  Click(form->bt_OTPkey);
  const QString key = form->OTPOut->Text();
  const QString full = NextTarget();
  Click(form->bt_OTPPrint);
  QStringList tenByTen;
  for (int i = 0; i < 10; ++i)
    tenByTen += key.mid(60 * i, 60).simplified();
  ExpectPrinted(full, tenByTen);

  // A narrower field shows fewer groups a row: the printout ends with its
  // tenth row.
  form->OTPOut->resize(250, form->OTPOut->height());
  ASSERT_GT(form->OTPOut->Lines().size(), 10);
  const QString narrow = NextTarget();
  Click(form->bt_OTPPrint);
  const QStringList rows = ExpectedRows(*form->OTPOut);
  ASSERT_EQ(rows.size(), 10);
  ExpectPrinted(narrow, rows);
  EXPECT_LT(rows.join(QLatin1Char(' ')).size(), key.simplified().size());
  EXPECT_EQ(dialogs.proposedNames, std::vector<QString>(3, QStringLiteral("05032026-OTP.pdf")));
}

struct OutputRow {
  const char* situation;
  std::function<void()> prepare;
  TMemo* TForm1::*source;
  bool blank;
  const char* name;  // offered for a printout to a file
};

TEST_F(PrintTest, OutputPrintTakesTheFieldTheModeNames) {
  if (PopplerMissing()) {
    GTEST_SKIP() << kNoPoppler;
  }
  const OutputRow rows[] = {
      {"encode mode: cipher text", [this] { Encipher(QStringLiteral("TREFFEN MORGEN UM 18 UHR")); },
       &TForm1::OTPCryptOut, false, "05032026-Chiffriertext.pdf"},
      {"three rows, then seven empty lines",
       [this] {
         form->OTPCryptOut->SetText(QStringLiteral("11111 22222 \r\n33333 44444 \r\n55555 "));
         EXPECT_EQ(form->OTPCryptOut->Lines().size(), 3);
       },
       &TForm1::OTPCryptOut, false, "05032026-Chiffriertext.pdf"},
      {"decode mode: decoded text",
       [this] { Decipher(Encipher(QStringLiteral("TREFFEN 18 UHR"))); }, &TForm1::VavorDecrypt,
       false, "05032026-Klartext.pdf"},
      {"switched to decode mode: the emptied, hidden decoded-text field",
       [this] {
         Encipher(QStringLiteral("HALLO"));
         SwitchToDecode();
       },
       &TForm1::VavorDecrypt, true, "05032026-Klartext.pdf"},
      {"switched back to encode mode: the hidden cipher field",
       [this] {
         Decipher(Encipher(QStringLiteral("HALLO")));
         SwitchToEncode();
       },
       &TForm1::OTPCryptOut, false, "05032026-Chiffriertext.pdf"},
  };
  for (const OutputRow& row : rows) {
    SCOPED_TRACE(row.situation);
    Restart();
    row.prepare();
    const QString pdf = NextTarget();
    // The mode switch disables the button; the handler acts all the same.
    form->bt_VavorDecryptPrintClick(nullptr);
    const TMemo& source = *(form.get()->*row.source);
    EXPECT_EQ(source.Text().isEmpty(), row.blank);
    ExpectPrinted(pdf, ExpectedRows(source));
    EXPECT_EQ(dialogs.proposedNames, std::vector<QString>{QString::fromLatin1(row.name)});
  }
}

TEST_F(PrintTest, PrintoutTakesFaceAndSizeFromTheFontFieldInBlackInk) {
  if (PopplerMissing()) {
    GTEST_SKIP() << kNoPoppler;
  }
  // Whatever colour the screen gives the text, the paper is white: the ink is
  // black.
  const struct {
    const char* screen;
    std::function<void()> start;  // a window with the text in the colour `shown`
    QColor shown;
  } rows[] = {
      {"the field's own text in red",
       [this] {
         Restart();
         QPalette red = form->OTPCryptOut->palette();
         red.setColor(QPalette::Text, Qt::red);
         form->OTPCryptOut->setPalette(red);
       },
       Qt::red},
      {"a dark colour scheme: white text on the whole desktop",
       [this] {
         QPalette dark = QApplication::palette();
         dark.setColor(QPalette::Base, Qt::black);
         dark.setColor(QPalette::Text, Qt::white);
         QApplication::setPalette(dark);
         Restart();
       },
       Qt::white},
  };
  const QPalette desktop = QApplication::palette();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.screen);
    row.start();
    EXPECT_EQ(form->OTPCryptOut->palette().color(QPalette::Text), row.shown);
    // The output print uses the cipher field's font in both modes.
    form->OTPCryptOut->setFont(QFont(QStringLiteral("Liberation Mono"), 14));
    form->VavorDecrypt->setFont(QFont(QStringLiteral("Liberation Serif"), 10));
    const QString text = QStringLiteral("ABCDE\r\nFGHIJ");
    form->OTPCryptOut->SetText(text);
    form->rb_VavorDecod->setChecked(true);
    form->VavorDecrypt->SetText(text);

    const QString pdf = NextTarget();
    form->bt_VavorDecryptPrintClick(nullptr);
    QApplication::setPalette(desktop);
    ExpectPrinted(pdf, {"ABCDE", "FGHIJ"});
    const QString fonts = RunTool(QStringLiteral("pdffonts"), {pdf});
    EXPECT_TRUE(fonts.contains(QStringLiteral("LiberationMono"))) << fonts.toStdString();
    EXPECT_FALSE(fonts.contains(QStringLiteral("LiberationSerif"))) << fonts.toStdString();
    const std::vector<Word> words = Words(pdf);
    ASSERT_EQ(words.size(), 2u);
    QPdfWriter sameDevice(dir.filePath(QStringLiteral("unused.pdf")));
    const int height = QFontMetrics(form->OTPCryptOut->font(), &sameDevice).height();
    EXPECT_NEAR(words[1].top - words[0].top, (height + 2) * 72.0 / sameDevice.resolution(), 0.05);

    RunTool(QStringLiteral("pdftoppm"), {"-png", "-r", "50", "-singlefile", pdf, pdf});
    const QImage page(pdf + QStringLiteral(".png"));
    ASSERT_FALSE(page.isNull());
    QColor darkest = Qt::white;
    for (int y = 0; y < page.height(); ++y)
      for (int x = 0; x < page.width(); ++x)
        if (qGray(page.pixel(x, y)) < qGray(darkest.rgb()))
          darkest = page.pixelColor(x, y);
    for (const int channel : {darkest.red(), darkest.green(), darkest.blue()})
      EXPECT_LT(channel, 100) << darkest.name().toStdString();
  }
}

TEST_F(PrintTest, CancelledDialogPrintsNothing) {
  // A cipher step that makes its own key leaves both print buttons enabled.
  Type(form->VavorIn, QStringLiteral("HALLO"));
  Click(form->bt_kodieren);
  Click(form->bt_OTPCrypt);
  for (TBitBtn* button : {form->bt_OTPPrint, form->bt_VavorDecryptPrint}) {
    SCOPED_TRACE(button->objectName().toStdString());
    const int before = dialogs.printDialogs;
    Click(button);
    EXPECT_EQ(dialogs.printDialogs, before + 1);
  }
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
  EXPECT_TRUE(dialogs.shown.empty());
}

// A printer that refuses the job goes to the general error report; a
// printout that cannot be saved says so as a save does.
TEST_F(PrintTest, FailureIsReported) {
  const QString missing = QStringLiteral("/nonexistent-folder/job.pdf");
  const struct {
    std::function<std::unique_ptr<QPagedPaintDevice>()> choose;
    const char* kind;
    QString text;  // the beginning of the text
  } rows[] = {
      {[&missing] {
         auto printer = std::make_unique<QPrinter>();
         printer->setOutputFileName(missing);
         return printer;
       },
       "Error", QStringLiteral("Drucken nicht möglich.")},
      {[&missing] { return std::make_unique<PdfPrintout>(missing, 1); }, "Information",
       QStringLiteral("job.pdf wurde nicht gespeichert!\n")},  // and the system's reason
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.kind);
    Restart();
    Click(form->bt_OTPkey);
    dialogs.choosePrinter = row.choose;
    Click(form->bt_OTPPrint);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, QString::fromLatin1(row.kind));
    EXPECT_TRUE(dialogs.shown[0].text.startsWith(row.text)) << dialogs.shown[0].text.toStdString();
  }
}

// --- the printer the dialog chooses ----------------------------------------

// A shown window with a generated key, whose print dialog answers with what
// `choose` gives.
class ChosenPrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (PopplerMissing()) {
      GTEST_SKIP() << kNoPoppler;
    }
    ASSERT_TRUE(dir.isValid());
    form = std::make_unique<TForm1>(dialogs);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->OTPErzeugeClick(nullptr);
    keyRows = ExpectedRows(*form->OTPOut);
    ASSERT_EQ(keyRows.size(), 10);
  }

  QTemporaryDir dir;
  FakeDialogs dialogs;
  std::unique_ptr<TForm1> form;
  QStringList keyRows;
};

TEST_F(ChosenPrinterTest, PrinterWithoutCopiesOfItsOwnGetsEachCopyOnAPage) {
  const QString pdf = dir.filePath(QStringLiteral("copies.pdf"));
  const std::function<std::unique_ptr<QPagedPaintDevice>()> printers[] = {
      [&pdf] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        printer->setCopyCount(3);
        EXPECT_FALSE(printer->supportsMultipleCopies());
        return printer;
      },
      [&pdf] { return std::make_unique<PdfPrintout>(pdf, 3); },  // a file
  };
  for (const auto& printer : printers) {
    dialogs.choosePrinter = printer;
    form->bt_OTPPrintClick(nullptr);
    ASSERT_EQ(PageCount(pdf), 3);
    for (int page = 1; page <= 3; ++page)
      EXPECT_EQ(PrintedRows(pdf, page), keyRows) << "page " << page;
    EXPECT_TRUE(dialogs.shown.empty());
    QFile::remove(pdf);
  }
}

// The real print dialog, accepted as it opens, sends the key to the default
// queue of a private CUPS scheduler. tests/print/cups_queue.sh starts one,
// whose backend writes each job into the folder ZAZUZAR_CUPS_JOBS names, and
// runs this test.
TEST_F(ChosenPrinterTest, KeyReachesTheDefaultCupsQueueAsAPdfOfItsTenRows) {
  const QString jobs = qEnvironmentVariable("ZAZUZAR_CUPS_JOBS");
  if (jobs.isEmpty()) {
    GTEST_SKIP() << "runs on the private CUPS scheduler of tests/print/cups_queue.sh";
  }
  dialogs.choosePrinter = [] {
    QTimer::singleShot(0, [] {
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible()) {
          qobject_cast<QPrintDialog*>(dialog) ? dialog->accept() : dialog->reject();
        }
      }
    });
    auto printer = QtDialogs().ChoosePrinter(nullptr, QStringLiteral("druck.pdf"));
    const auto* chosen = dynamic_cast<QPrinter*>(printer.get());
    EXPECT_TRUE(chosen && chosen->outputFormat() == QPrinter::NativeFormat &&
                chosen->supportsMultipleCopies());
    return printer;
  };
  form->bt_OTPPrintClick(nullptr);
  EXPECT_TRUE(dialogs.shown.empty());

  QStringList arrived;
  for (int wait = 0; wait < 300 && arrived.isEmpty(); ++wait) {
    QTest::qWait(100);
    arrived = QDir(jobs).entryList({QStringLiteral("job-*")}, QDir::Files);
  }
  ASSERT_EQ(arrived.size(), 1) << "no job within 30 s";
  QFile job(QDir(jobs).filePath(arrived[0]));
  ASSERT_TRUE(job.open(QIODevice::ReadOnly));
  EXPECT_EQ(job.read(5), "%PDF-");
  EXPECT_EQ(PrintedRows(job.fileName()), keyRows);
}

// The real print dialog, looked at while it is open and then cancelled.
TEST(PrintDialogTest, OffersPrinterPdfFileAndCopiesButNoPageRange) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows' print dialog is the system's own: no Qt widgets to look at";
#endif
  bool seen = false;
  QTimer::singleShot(0, [&seen] {
    if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
      seen = true;
      // No ASSERT here: the dialog must be closed below whatever happens.
      const auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
      EXPECT_TRUE(printers && printers->findText(QStringLiteral("PDF"), Qt::MatchContains) >= 0);
      const auto* copies = dialog->findChild<QSpinBox*>(QStringLiteral("copies"));
      EXPECT_TRUE(copies && !copies->isHidden());
      EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
      EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintSelection));
      if (const auto* range = dialog->findChild<QWidget*>(QStringLiteral("gbPrintRange"))) {
        EXPECT_TRUE(range->isHidden());
      }
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible()) {
        dialog->reject();
      }
    }
  });
  QtDialogs dialogs;
  EXPECT_EQ(dialogs.ChoosePrinter(nullptr, QStringLiteral("druck.pdf")), nullptr);
  EXPECT_TRUE(seen);
}

}  // namespace
}  // namespace zazuzar::testing
