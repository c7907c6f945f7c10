// The decode-mode cipher step on 100 groups, with all its widget updates.
#include <benchmark/benchmark.h>

#include <QApplication>

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
