#include "ui/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <string_view>
#include <vector>

#include "os/Console.h"
#include "ui/Application.h"

namespace zazuzar {

namespace {

// The options that Qt's application objects take out of the command line
// themselves (QGuiApplication, QApplication, the X11 platform plugin): those
// with a value, then those without.
constexpr char kQtOptionsWithValue[] =
    "platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon qwindowtitle "
    "session display geometry title icon name style stylesheet qmljsdebugger";
constexpr char kQtFlags[] = "reverse widgetcount nograb dograb sync";

enum class Answer { kStart, kVersion, kHelp, kHelpAll, kRefuse };

// Qt's options are listed in the usage only for --help-all.
Answer Parse(QCommandLineParser& parser, const QStringList& arguments, bool listQtOptions) {
  // Qt's options are words after a single dash.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(QStringLiteral(
      "Chiffrieren mit Einmalschl\u00fcssel, wie von Hand: \u00f6ffnet das Fenster von "
      "Zazuzar.\nDazu gelten die Optionen aller Qt-Programme, etwa -platform."));
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption help = parser.addHelpOption();
  const auto addQtOptions = [&](const char* names, const QString& valueName) {
    for (const QString& name : QString::fromLatin1(names).split(u' ')) {
      QCommandLineOption option(name, QString(), valueName);
      if (!listQtOptions) {
        option.setFlags(QCommandLineOption::HiddenFromHelp);
      }
      parser.addOption(option);
    }
  };
  addQtOptions(kQtOptionsWithValue, QStringLiteral("Wert"));
  addQtOptions(kQtFlags, QString());
  if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
    return Answer::kRefuse;
  }
  if (parser.isSet(version)) {
    return Answer::kVersion;
  }
  if (parser.isSet(help)) {
    return Answer::kHelp;
  }
  return parser.isSet(QStringLiteral("help-all")) ? Answer::kHelpAll : Answer::kStart;
}

void Print(os::Answer answer, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  os::Tell(answer, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
           "ZAZUZAR");
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char* argv[]) {
  if (argc <= 1) {
    return std::nullopt;
  }
  QStringList arguments;
  for (int i = 0; i < argc; ++i) {
    arguments.append(QString::fromLocal8Bit(argv[i]));
  }
  {
    QCommandLineParser parser;
    if (Parse(parser, arguments, false) == Answer::kStart) {
      return std::nullopt;
    }
  }
  // An application object that needs no screen, for Qt's German texts of the
  // usage and the errors; it ends before the window's application begins.
  int count = argc;
  std::vector<char*> copy(argv, argv + argc + 1);
  QCoreApplication application(count, copy.data());
  SetUpApplication(application);
  QCommandLineParser parser;
  const Answer answer = Parse(parser, arguments, false);
  if (answer == Answer::kVersion) {
    Print(os::Answer::kInformation,
          QStringLiteral("zazuzar %1\n").arg(QCoreApplication::applicationVersion()));
    return 0;
  }
  if (answer == Answer::kHelp) {
    Print(os::Answer::kInformation, parser.helpText());
    return 0;
  }
  if (answer == Answer::kHelpAll) {
    QCommandLineParser withQtOptions;
    Parse(withQtOptions, arguments, true);
    Print(os::Answer::kInformation, withQtOptions.helpText());
    return 0;
  }
  const QString error =
      parser.errorText().isEmpty()
          ? QStringLiteral("Unerwartetes Argument '%1'.").arg(parser.positionalArguments().first())
          : parser.errorText();
  Print(os::Answer::kError, QStringLiteral("zazuzar: %1\n").arg(error));
  return 2;
}

}  // namespace zazuzar
