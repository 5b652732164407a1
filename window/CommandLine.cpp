#include "window/CommandLine.h"

#include <QCommandLineParser>

namespace {

struct TOption {
  const char* Name;
  const char* Argument;
  const char* Text;
};

const TOption Options[] = {
    {"help", "", "show this help and exit"},
    {"version", "", "show the version and exit"},
    {"play", "FILE", "play the scenario FILE at start (a dealer's demonstration)"},
    {"loop", "", "play it again and again, each round from program start"},
    {"display", "", "open the display window"},
    {"full-screen", "", "show the display window on the whole screen (implies --display)"},
};

const TOption* OwnOption(const QString& argument) {
  if (!argument.startsWith("--")) return nullptr;
  const QString name = argument.mid(2).section('=', 0, 0);
  for (const TOption& option : Options)
    if (name == option.Name) return &option;
  return nullptr;
}

}  // namespace

void SplitArguments(const QStringList& all, QStringList& own, QStringList& rest) {
  own = rest = all.mid(0, 1);
  for (qsizetype i = 1; i < all.size(); ++i) {
    const TOption* option = OwnOption(all[i]);
    if (option == nullptr) {
      rest << all[i];
      continue;
    }
    own << all[i];
    if (*option->Argument && !all[i].contains('=') && i + 1 < all.size()) own << all[++i];
  }
}

TCommandLine ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  for (const TOption& option : Options)
    parser.addOption(QCommandLineOption(option.Name, option.Text, QString(option.Argument)));
  TCommandLine line;
  if (!parser.parse(arguments)) {
    line.Error = parser.errorText();
  } else if (!parser.positionalArguments().isEmpty()) {
    line.Error = "Unexpected argument '" + parser.positionalArguments().constFirst() + "'.";
  }
  line.Help = parser.isSet("help");
  line.Version = parser.isSet("version");
  if (!line.Error.isEmpty()) return line;
  line.Play = parser.value("play");
  line.Loop = parser.isSet("loop");
  line.FullScreen = parser.isSet("full-screen");
  line.Display = parser.isSet("display") || line.FullScreen;
  if (parser.isSet("play") && line.Play.isEmpty())
    line.Error = "--play needs the name of a scenario file.";
  else if (line.Loop && line.Play.isEmpty())
    line.Error = "--loop repeats a scenario: give it with --play FILE.";
  return line;
}

QString HelpText() {
  QString text =
      "Usage: axim7-sim [OPTION]...\n"
      "The Orlyn AXIM-7 simulator: the instrument's face with its live display, its\n"
      "buttons and knob, and the sensor inputs.\n"
      "\n"
      "Options:\n";
  int width = 0;
  QStringList heads;
  for (const TOption& option : Options) {
    QString head = QString("  --") + option.Name;
    if (*option.Argument) head += QString(" ") + option.Argument;
    heads << head;
    width = qMax(width, static_cast<int>(head.size()));
  }
  for (std::size_t i = 0; i < std::size(Options); ++i)
    text += heads[static_cast<qsizetype>(i)].leftJustified(width + 2) + Options[i].Text + '\n';
  text +=
      "\n"
      "With --play, a key or a click on the instrument stops the demonstration and\n"
      "hands the instrument to the visitor; after a minute without input the\n"
      "demonstration starts again.\n";
  return text;
}

QString VersionText() { return QString("axim7-sim ") + AXIM_VERSION + '\n'; }
