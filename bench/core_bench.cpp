#include "core/CodeBookDecoder.h"
#include "core/CodeTable.h"
#include "core/OneTimePad.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace zazuzar;

// A 100-character text that codes to the most digits: a digit and a two-digit
// letter in alternation, each behind a switch.
std::string WorstCaseText() {
  std::string text;
  for (int i = 0; i < 50; ++i) {
    text += static_cast<char>('0' + i % 10);
    text += static_cast<char>('B' + i % 20);
  }
  return text;
}

std::string Digits(std::size_t count) {
  std::string digits;
  for (std::size_t i = 0; i < count; ++i) {
    digits += static_cast<char>('0' + (i * 7 + i / 3) % 10);
  }
  return digits;
}

void BM_EncodeText(benchmark::State& state) {
  const std::string text = WorstCaseText();
  for (auto _ : state) {
    benchmark::DoNotOptimize(EncodeText(text));
  }
}
BENCHMARK(BM_EncodeText);

void BM_FormatGroups(benchmark::State& state) {
  const std::string digits = Digits(500);
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatGroups(digits, kGroupDigitLimit));
  }
}
BENCHMARK(BM_FormatGroups);

void BM_DecodeDigits(benchmark::State& state) {
  // A real message: the code of a worst-case text, then mixed digits.
  const std::string digits = (EncodeText(WorstCaseText()) + Digits(255)).substr(0, 255);
  for (auto _ : state) {
    benchmark::DoNotOptimize(DecodeDigits(digits));
  }
}
BENCHMARK(BM_DecodeDigits);

void BM_Combine(benchmark::State& state) {
  const std::string group = FormatGroups(Digits(500), kGroupDigitLimit).text;
  const std::string key = GenerateKey();
  for (auto _ : state) {
    benchmark::DoNotOptimize(Combine(group, key, Direction::Encipher));
  }
}
BENCHMARK(BM_Combine);

void BM_GenerateKey(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(GenerateKey());
  }
}
BENCHMARK(BM_GenerateKey);

// The decipher step: combine, then decode the result digits.
void BM_DecipherStep(benchmark::State& state) {
  const std::string key = GenerateKey();
  const std::string plain = (EncodeText(WorstCaseText()) + Digits(500)).substr(0, 500);
  const std::string cipher =
      Combine(FormatGroups(plain, kGroupDigitLimit).text, key, Direction::Encipher).groupText;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DecodeDigits(Combine(cipher, key, Direction::Decipher).digits));
  }
}
BENCHMARK(BM_DecipherStep);

}  // namespace
