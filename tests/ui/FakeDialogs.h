// Preset answers for the window's boxes and dialogs, and a record of what it
// showed, so tests drive the real window without blocking.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "ui/Dialogs.h"
#include "ui/PdfPrintout.h"

namespace zazuzar::testing {

struct Shown {
  QString kind;  // "Information", "Question" or "Error"
  QString caption;
  QString text;
  bool operator==(const Shown&) const = default;
};

class FakeDialogs : public Dialogs {
 public:
  void Information(QWidget*, const QString& text) override {
    shown.push_back({QStringLiteral("Information"), QStringLiteral("Information"), text});
  }
  bool Question(QWidget*, const QString& text) override {
    shown.push_back({QStringLiteral("Question"), QStringLiteral("Bestätigung"), text});
    return Take(questionAnswers).value_or(false);
  }
  void ErrorReport(QWidget*, const QString& caption, const QString& text) override {
    shown.push_back({QStringLiteral("Error"), caption, text});
  }
  std::optional<QString> OpenFileName(QWidget*, const QString& filter) override {
    openFilters.push_back(filter);
    return Take(openAnswers).value_or(std::nullopt);
  }
  std::optional<QString> SaveFileName(QWidget*, const QString& proposedName,
                                      const QString& filter) override {
    saveFilters.push_back(filter);
    proposedNames.push_back(proposedName);
    return Take(saveAnswers).value_or(std::nullopt);
  }
  std::unique_ptr<QPagedPaintDevice> ChoosePrinter(QWidget*, const QString& proposedName) override {
    ++printDialogs;
    proposedNames.push_back(proposedName);
    if (choosePrinter) {
      return choosePrinter();
    }
    const auto path = Take(printTargets);
    if (!path) {
      return nullptr;
    }
    return std::make_unique<PdfPrintout>(*path, 1);
  }
  QDate Today() override { return today; }

  std::vector<Shown> shown;
  std::deque<bool> questionAnswers;                // missing: Nein
  std::deque<std::optional<QString>> openAnswers;  // missing: cancelled
  std::deque<std::optional<QString>> saveAnswers;  // missing: cancelled
  std::deque<QString> printTargets;                // PDF files; missing: cancelled
  // Where set, what the print dialog chooses instead.
  std::function<std::unique_ptr<QPagedPaintDevice>()> choosePrinter;
  std::vector<QString> openFilters, saveFilters;
  std::vector<QString> proposedNames;  // by the save and print dialogs
  int printDialogs = 0;
  QDate today{2026, 3, 5};

 private:
  template <typename T>
  static std::optional<T> Take(std::deque<T>& answers) {
    if (answers.empty()) {
      return std::nullopt;
    }
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
  }
};

}  // namespace zazuzar::testing
