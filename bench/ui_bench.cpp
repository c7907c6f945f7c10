// The decode-mode cipher step on 100 groups, with all its widget updates,
// typing into the key field, and loading a 1 GiB file into the key and input
// fields.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "ui/Dialogs.h"
#include "ui/Unit1.h"

namespace {

void BM_DecipherStepInWindow(benchmark::State& state) {
  zazuzar::QtDialogs dialogs;
  zazuzar::TForm1 form(dialogs);
  form.show();
  form.OTPErzeugeClick(nullptr);
  // 100 groups of figure-mode digits: the longest text a message decodes to.
  form.rb_VavorDecod->click();
  form.VavorIn->SetText(QStringLiteral("12345 ").repeated(100));
  form.Vavor(nullptr);
  for (auto _ : state) {
    form.bt_OTPCryptClick(nullptr);
    QApplication::processEvents();  // paint what changed
  }
  if (form.OTPCryptOut->Text().size() != 600) {
    state.SkipWithError("the cipher step did not run through");
  }
}
BENCHMARK(BM_DecipherStepInWindow)->Unit(benchmark::kMillisecond);

// A key typed into the unlocked key field and taken back: the field checks
// its length limit against its whole text on each key.
void BM_TypeIntoKeyField(benchmark::State& state) {
  zazuzar::QtDialogs dialogs;
  zazuzar::TForm1 form(dialogs);
  form.show();
  form.OTPErzeugeClick(nullptr);
  form.BitBtn1Click(nullptr);
  form.OTPOut->SetText(form.OTPOut->Text().left(599));
  form.OTPOut->moveCursor(QTextCursor::End);
  QKeyEvent one(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
  QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
  for (auto _ : state) {
    QApplication::sendEvent(form.OTPOut, &one);
    QApplication::sendEvent(form.OTPOut, &back);
  }
  if (form.OTPOut->Text().size() != 599) {
    state.SkipWithError("the key field did not take the key and give it back");
  }
}
BENCHMARK(BM_TypeIntoKeyField)->Unit(benchmark::kMicrosecond);

// Answers the open dialog with one path and counts the boxes the loads show.
class FixedPathDialogs : public zazuzar::QtDialogs {
 public:
  explicit FixedPathDialogs(QString path) : path_(std::move(path)) {}
  void Information(QWidget*, const QString&) override { ++boxes; }
  std::optional<QString> OpenFileName(QWidget*, const QString&) override { return path_; }
  int boxes = 0;

 private:
  QString path_;
};

// 1 GiB whose first MiB is random bytes without Ctrl-Z; the rest is a hole
// that reads as zeros. The loads read no further than their limits, so what
// lies beyond the first MiB makes no difference to them.
void BM_LoadHugeFile(benchmark::State& state) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("huge.OTP"));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
      state.SkipWithError("cannot write the file");
      return;
    }
    QByteArray head(1 << 20, '\0');
    for (char& byte : head) {
      do {
        byte = static_cast<char>(QRandomGenerator::global()->bounded(256));
      } while (byte == '\x1A');
    }
    file.write(head);
    file.resize(qint64(1) << 30);
  }
  FixedPathDialogs dialogs(path);
  zazuzar::TForm1 form(dialogs);
  form.show();
  const bool keyField = state.range(0) == 0;
  for (auto _ : state) {
    if (keyField) {
      form.bt_OTPLoadClick(nullptr);
    } else {
      form.bt_VavorInLoadClick(nullptr);
    }
    QApplication::processEvents();  // paint the loaded text
  }
  const auto loaded = keyField ? form.OTPOut->Text().size() : form.VavorIn->Text().size();
  if (dialogs.boxes != static_cast<int>(state.iterations()) || loaded == 0) {
    state.SkipWithError("the load did not stop at its limit");
  }
  state.SetLabel(keyField ? "key field, 64 KiB kept" : "input field, 100 kept");
}
BENCHMARK(BM_LoadHugeFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ZAZUZAR"));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
