// The built simulator as a user runs it: a real X pointer and keyboard
// through xdotool, and the pixels the X server shows.
#include <gif_lib.h>
#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstring>

#include "GuiSupport.h"
#include "XClose.h"
#include "graphics/FrameBuffer.h"
#include "graphics/Text.h"
#include "pictures/Pictures.h"
#include "scenario/Scenario.h"

namespace {

QString Xdotool(const QStringList& args) {
  QProcess p;
  p.start("xdotool", args);
  p.waitForFinished(20000);
  return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// Red pixels of the electrical band's volts box (frame rows 33..54, the
// volts text right-aligned at x 144) on the panel.
int VoltsBoxRed(const QImage& panel) {
  int red = 0;
  for (int y = 33; y <= 54; ++y)
    for (int x = 100; x < 160; ++x)
      if (QColor(panel.pixel(x, y + 1)) == QColor(255, 0, 0)) ++red;
  return red;
}

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Sim.setProcessChannelMode(QProcess::ForwardedChannels);
    Sim.start(AXIM_SIM, {});
    ASSERT_TRUE(Sim.waitForStarted(10000));
    // Polled: a search can fail outright while windows come and go.
    for (int i = 0; i < 200 && Window.isEmpty(); ++i) {
      Window = Xdotool({"search", "--onlyvisible", "--name", "Orlyn AXIM-7 Simulator"})
                   .split('\n')
                   .value(0);
      if (Window.isEmpty()) QTest::qWait(50);
    }
    ASSERT_FALSE(Window.isEmpty());
    const QStringList shell = Xdotool({"getwindowgeometry", "--shell", Window}).split('\n');
    for (const QString& line : shell) {
      const QStringList kv = line.split('=');
      if (kv.size() != 2) continue;
      if (kv[0] == "X") Origin.setX(kv[1].toInt());
      if (kv[0] == "Y") Origin.setY(kv[1].toInt());
      if (kv[0] == "HEIGHT") MenuHeight = kv[1].toInt() - 329;
    }
    ASSERT_GT(MenuHeight, 0);
    QTest::qWait(500);
  }

  void TearDown() override {
    if (Sim.state() != QProcess::NotRunning) {
      Sim.kill();
      Sim.waitForFinished(5000);
    }
  }

  // A point of the client area below the menu bar, on the screen.
  QPoint Client(int x, int y) const { return Origin + QPoint(x, MenuHeight + y); }

  void ClickClient(int x, int y) {
    const QPoint p = Client(x, y);
    Xdotool({"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "1"});
    QTest::qWait(150);
  }

  void Keys(const QString& key, int times) {
    Xdotool({"key", "--delay", "0", "--repeat", QString::number(times), key});
    QTest::qWait(300);
  }

  QImage GrabClient(int x, int y, int w, int h) {
    const QPoint p = Client(x, y);
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, p.x(), p.y(), w, h)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }

  QColor Lamp() { return QColor(GrabClient(32, 280, 1, 1).pixel(0, 0)); }
  // The lamp's colour once the events sent so far have been handled (the
  // program runs on its own, so it is given time rather than a fixed wait).
  QColor LampSettlesAt(QColor expected) {
    QColor shown = Lamp();
    for (int i = 0; i < 50 && shown != expected; ++i) {
      QTest::qWait(100);
      shown = Lamp();
    }
    return shown;
  }
  QImage Panel() { return GrabClient(40, 57, 161, 121); }

  // A scroll bar's right arrow clicked once, then the arrow key: exact counts.
  void MoveBarBy(int top, int steps) {
    ClickClient(352 + 137 - 4, top + 8);
    if (steps > 1) Keys("Right", steps - 1);
  }

  // Quiet readings, no alarm: 14.0 V, 0 A, 14 C.
  void QuietInputs() {
    MoveBarBy(56, 2384);
    MoveBarBy(32, 1);
    Keys("Left", 1);
    MoveBarBy(8, 1479);
  }

  // Over a few blink periods, whether the volts box showed red and whether it
  // showed without red (the reading blinking between a red box and plain text).
  void WatchBlinking(bool* sawRed, bool* sawPlain) {
    *sawRed = *sawPlain = false;
    for (int i = 0; i < 40 && !(*sawRed && *sawPlain); ++i) {
      (VoltsBoxRed(Panel()) > 50 ? *sawRed : *sawPlain) = true;
      QTest::qWait(150);
    }
  }

  void PressOn() { ClickClient(64 + 37, 272 + 12); }
  void PressOff() { ClickClient(160 + 37, 272 + 12); }
  void PressPlus() { ClickClient(64 + 16, 232 + 12); }
  void PressKnob() { ClickClient(120, 216); }
  void PressLeftButton() { ClickClient(52 + 16, 192 + 16); }

  // Answers the file dialog of the given title with the path.
  void AnswerDialog(const QString& title, const QString& path) {
    QString dialog;
    for (int i = 0; i < 100 && dialog.isEmpty(); ++i) {
      dialog =
          Xdotool({"search", "--onlyvisible", "--name", "^" + title + "$"}).split('\n').value(0);
      if (dialog.isEmpty()) QTest::qWait(50);
    }
    ASSERT_FALSE(dialog.isEmpty()) << title.toStdString();
    QTest::qWait(300);
    Xdotool({"windowfocus", "--sync", dialog});
    Xdotool({"key", "ctrl+a"});
    Xdotool({"type", "--delay", "5", path});
    Xdotool({"key", "Return"});
    QTest::qWait(500);
  }

  bool Finished(int* code) {
    if (!Sim.waitForFinished(10000)) return false;
    *code = Sim.exitStatus() == QProcess::NormalExit ? Sim.exitCode() : -1;
    return true;
  }

  QProcess Sim;
  QString Window;
  QPoint Origin;
  int MenuHeight = 0;
};

// True when every pixel of the text, drawn as the firmware draws it, shows
// in the colour on the panel (frame-buffer row y on panel row y + 1).
::testing::AssertionResult PanelShows(const QImage& panel, int16_t x, int16_t y, const char* text,
                                      QColor colour, uint8_t size = 8,
                                      uint8_t alignment = AlignLeft) {
  std::memset(FrameBuffer, 0, FrameBufferSize);
  DrawString(x, y, text, size, alignment, 255);
  int lit = 0;
  for (int py = 0; py < ScreenHeight; ++py)
    for (int px = 0; px < ScreenWidth; ++px) {
      if (FrameBuffer[py * ScreenWidth + px] != 255) continue;
      ++lit;
      const QColor shown(panel.pixel(px, py + 1));
      if (shown != colour)
        return ::testing::AssertionFailure()
               << text << " pixel (" << px << "," << py << ") is " << shown.name().toStdString();
    }
  if (lit == 0) return ::testing::AssertionFailure() << text << " draws nothing";
  return ::testing::AssertionSuccess();
}

bool FontsDraw() {
  std::memset(FrameBuffer, 0, FrameBufferSize);
  DrawString(0, 0, "UTC", 8, AlignLeft, 255);
  for (uint16_t i = 0; i < FrameBufferSize; ++i)
    if (FrameBuffer[i] == 255) return true;
  return false;
}

TEST_F(ProgramTest, OnShowsTheHomePageClocks) {
  ASSERT_TRUE(FontsDraw()) << "the font tables are not built in";
  const QImage before = Panel();
  for (int y = 0; y < 121; ++y)
    for (int x = 0; x < 161; ++x) ASSERT_EQ(QColor(before.pixel(x, y)), Qt::black);
  ClickClient(64 + 37, 272 + 12);
  const QColor grey(0x70, 0x70, 0x70);
  QImage panel = Panel();
  for (int i = 0; i < 50 && !PanelShows(panel, 0, 35, "UTC", grey); ++i) {
    QTest::qWait(100);
    panel = Panel();
  }
  EXPECT_TRUE(PanelShows(panel, 0, 1, "LCL", grey));
  EXPECT_TRUE(PanelShows(panel, 0, 35, "UTC", grey));
  for (int x = 0; x < 161; ++x) EXPECT_EQ(QColor(panel.pixel(x, 0)), Qt::black);
}

TEST_F(ProgramTest, HighVoltsLightTheLampAndAKeyAcknowledges) {
  PressOn();
  QuietInputs();
  EXPECT_EQ(LampSettlesAt(QColor(128, 0, 0)), QColor(128, 0, 0));
  Keys("Right", 1648 - 1479);  // 15.5 V
  EXPECT_EQ(LampSettlesAt(QColor(255, 0, 0)), QColor(255, 0, 0));
  ClickClient(120, 216);  // the knob: any key acknowledges on the home page
  EXPECT_EQ(LampSettlesAt(QColor(128, 0, 0)), QColor(128, 0, 0));

  PressOff();
  PressOn();  // restarts, the alarm words carry over
  QTest::qWait(400);
  if (FontsDraw()) {
    EXPECT_TRUE(PanelShows(Panel(), 0, 1, "LCL", QColor(0x70, 0x70, 0x70)));
  }
  EXPECT_EQ(Lamp(), QColor(128, 0, 0));
  ClickClient(352 + 137 - 4, 8 + 8);  // back to 14.0 V: the alarm clears and re-arms
  Keys("Left", 1 + 1648 - 1479);
  EXPECT_EQ(LampSettlesAt(QColor(128, 0, 0)), QColor(128, 0, 0));
  Keys("Right", 1648 - 1479);
  EXPECT_EQ(LampSettlesAt(QColor(255, 0, 0)), QColor(255, 0, 0));
}

TEST_F(ProgramTest, HighVoltsBlinkOnViewFiveBeforeAndAfterAcknowledging) {
  ASSERT_TRUE(FontsDraw()) << "the font tables are not built in";
  PressOn();
  QuietInputs();
  for (int i = 0; i < 5; ++i) {  // views 0 to 5, every view shown by default
    PressPlus();
    QTest::qWait(150);
  }
  QImage panel = Panel();
  for (int i = 0;
       i < 50 && !PanelShows(panel, 160, 32, "V", QColor(0x70, 0x70, 0x70), 12, AlignRight); ++i) {
    QTest::qWait(100);
    panel = Panel();
  }
  ASSERT_TRUE(PanelShows(panel, 160, 32, "V", QColor(0x70, 0x70, 0x70), 12, AlignRight));
  Keys("Right", 1648 - 1479);  // 15.5 V
  EXPECT_EQ(LampSettlesAt(QColor(255, 0, 0)), QColor(255, 0, 0));
  bool red = false, plain = false;
  WatchBlinking(&red, &plain);
  EXPECT_TRUE(red);
  EXPECT_TRUE(plain);

  PressKnob();  // acknowledges only: the lamp dims, the reading keeps blinking
  EXPECT_EQ(LampSettlesAt(QColor(128, 0, 0)), QColor(128, 0, 0));
  WatchBlinking(&red, &plain);
  EXPECT_TRUE(red);
  EXPECT_TRUE(plain);
  EXPECT_TRUE(PanelShows(Panel(), 160, 32, "V", QColor(0x70, 0x70, 0x70), 12, AlignRight));
}

TEST_F(ProgramTest, KnobOpensTheMainMenuAndExitReturnsHome) {
  ASSERT_TRUE(FontsDraw()) << "the font tables are not built in";
  PressOn();
  QuietInputs();
  QTest::qWait(300);
  PressKnob();
  const QColor red(255, 0, 0), white(255, 255, 255), grey(0x70, 0x70, 0x70);
  QImage panel = Panel();
  for (int i = 0; i < 50 && !PanelShows(panel, 158, 0, "MAIN MENU", red, 8, AlignRight); ++i) {
    QTest::qWait(100);
    panel = Panel();
  }
  EXPECT_TRUE(PanelShows(panel, 158, 0, "MAIN MENU", red, 8, AlignRight));
  EXPECT_TRUE(PanelShows(panel, 105, 46, "FLIGHT", white, 10, AlignCentre));
  EXPECT_TRUE(PanelShows(panel, 26, 104, "EXIT", white, 8, AlignCentre));

  PressLeftButton();  // "EXIT"
  panel = Panel();
  for (int i = 0; i < 50 && !PanelShows(panel, 0, 35, "UTC", grey); ++i) {
    QTest::qWait(100);
    panel = Panel();
  }
  EXPECT_TRUE(PanelShows(panel, 0, 1, "LCL", grey));
  EXPECT_TRUE(PanelShows(panel, 0, 35, "UTC", grey));
}

TEST_F(ProgramTest, OffAndOnRestartWithTheDefaultSettings) {
  ASSERT_TRUE(FontsDraw()) << "the font tables are not built in";
  PressOn();
  QuietInputs();
  QTest::qWait(300);
  PressPlus();  // view 1, the flight time
  const QColor grey(0x70, 0x70, 0x70);
  QImage panel = Panel();
  for (int i = 0; i < 50 && !PanelShows(panel, 0, 35, "FT", grey); ++i) {
    QTest::qWait(100);
    panel = Panel();
  }
  ASSERT_TRUE(PanelShows(panel, 0, 35, "FT", grey));

  PressOff();
  PressOn();  // the settings, the view among them, start from their defaults
  panel = Panel();
  for (int i = 0; i < 50 && !PanelShows(panel, 0, 35, "UTC", grey); ++i) {
    QTest::qWait(100);
    panel = Panel();
  }
  EXPECT_TRUE(PanelShows(panel, 0, 35, "UTC", grey));
}

TEST_F(ProgramTest, FileExitWhileRunningEndsWithCodeZero) {
  ClickClient(64 + 37, 272 + 12);
  QTest::qWait(300);
  const QPoint file = Origin + QPoint(14, MenuHeight / 2);
  Xdotool({"mousemove", QString::number(file.x()), QString::number(file.y()), "click", "1"});
  QTest::qWait(300);
  Xdotool({"key", "e"});
  int code = -2;
  ASSERT_TRUE(Finished(&code));
  EXPECT_EQ(code, 0);
}

TEST_F(ProgramTest, CloseButtonWhileRunningEndsWithCodeZero) {
  ClickClient(64 + 37, 272 + 12);
  QTest::qWait(300);
  ASSERT_TRUE(SendDeleteWindow(Window.toULong()));
  int code = -2;
  ASSERT_TRUE(Finished(&code));
  EXPECT_EQ(code, 0);
}

// Killed, interrupted or hung up while recording the display and a
// scenario, the program ends as File > Exit does: both files complete.
class SignalTest : public ProgramTest, public ::testing::WithParamInterface<int> {};

TEST_P(SignalTest, EndsAsFileExitWithBothRecordingsWritten) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString gif = dir.filePath("display.gif"), yaml = dir.filePath("session.yaml");
  PressOn();
  QTest::qWait(300);
  Xdotool({"windowfocus", "--sync", Window});
  Xdotool({"key", "ctrl+r"});
  AnswerDialog("Record Display", gif);
  // Written as it goes under its part name, renamed when finished.
  ASSERT_EQ(QDir(dir.path()).entryList({"display.gif.*.part"}).size(), 1);
  Xdotool({"windowfocus", "--sync", Window});
  Xdotool({"key", "alt+f", "Down", "Return"});  // "Record Scenario...", after "Play Scenario..."
  AnswerDialog("Record Scenario", yaml);
  PressPlus();
  QTest::qWait(1200);  // a few frames and a step

  ASSERT_EQ(::kill(static_cast<pid_t>(Sim.processId()), GetParam()), 0);
  int code = -2;
  ASSERT_TRUE(Finished(&code));
  EXPECT_EQ(code, 0);

  int error = 0;
  GifFileType* file = DGifOpenFileName(gif.toLocal8Bit().constData(), &error);
  ASSERT_NE(file, nullptr) << GifErrorString(error);
  EXPECT_EQ(DGifSlurp(file), GIF_OK) << GifErrorString(file->Error);
  EXPECT_GE(file->ImageCount, 1);
  DGifCloseFile(file, &error);
  QFile bytes(gif);
  ASSERT_TRUE(bytes.open(QIODevice::ReadOnly));
  EXPECT_TRUE(bytes.readAll().endsWith(';')) << "the trailer";

  TScenario scenario;
  TScenarioOptions options;
  options.CheckFiles = false;
  std::string problem;
  ASSERT_TRUE(LoadScenario(yaml.toStdString(), options, scenario, problem)) << problem;
  const bool pressed = std::any_of(scenario.Steps.begin(), scenario.Steps.end(),
                                   [](const TStep& s) { return s.Kind == TStepKind::Press; });
  EXPECT_TRUE(pressed) << "the knob turned while recording";
}

INSTANTIATE_TEST_SUITE_P(
    Signals, SignalTest, ::testing::Values(SIGTERM, SIGINT, SIGHUP), [](const auto& info) {
      return std::string(info.param == SIGTERM ? "Term" : info.param == SIGINT ? "Int" : "Hup");
    });

// Killed outright while recording a scenario: the part file written so far
// is a scenario that loads and replays to its last step.
TEST_F(ProgramTest, AKilledRecordingLeavesAPartThatReplays) {
  QTemporaryDir dir;
  PressOn();
  Xdotool({"windowfocus", "--sync", Window});
  Xdotool({"key", "alt+f", "Down", "Return"});  // "Record Scenario..."
  AnswerDialog("Record Scenario", dir.filePath("killed.yaml"));
  QTest::qWait(1000);
  PressPlus();
  MoveBarBy(8, 40);
  QTest::qWait(1500);  // the steps are final once later ones follow
  PressPlus();
  QTest::qWait(500);
  ASSERT_EQ(::kill(static_cast<pid_t>(Sim.processId()), SIGKILL), 0);
  ASSERT_TRUE(Sim.waitForFinished(5000));
  const QStringList parts = QDir(dir.path()).entryList({"killed.yaml.*.part"});
  ASSERT_EQ(parts.size(), 1) << QDir(dir.path()).entryList().join(' ').toStdString();
  QFile part(dir.filePath(parts[0]));
  ASSERT_TRUE(part.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(part.readAll());
  EXPECT_GE(text.count("press: plus"), 1) << text.toStdString();
  EXPECT_GE(text.count("control: volts, value: 40"), 1) << text.toStdString();
  QProcess runner;
  runner.setProcessChannelMode(QProcess::MergedChannels);
  runner.start(AXIM_SCENARIO, {dir.filePath(parts[0])});
  ASSERT_TRUE(runner.waitForFinished(60000));
  EXPECT_EQ(runner.exitCode(), 0) << runner.readAll().toStdString() << text.toStdString();
}

TEST_F(ProgramTest, CloseWhileOffEndsWithCodeZero) {
  ASSERT_TRUE(SendDeleteWindow(Window.toULong()));
  int code = -2;
  ASSERT_TRUE(Finished(&code));
  EXPECT_EQ(code, 0);
}

// --play alone plays as "Play Scenario..." does: its outputs next to the
// file; with --loop the rounds' outputs go elsewhere. Neither ever rewrites
// a reference that differs.
TEST(PlayOptionTest, PlayingNeverRewritesTheReference) {
  const struct {
    QStringList options;
    bool outputsBeside;
  } runs[] = {{{}, true}, {{"--loop"}, false}};
  for (const auto& run : runs) {
    SCOPED_TRACE(run.options.join(' ').toStdString());
    QTemporaryDir dir;
    const QString reference = dir.filePath("ref.png");
    std::string error;
    const std::vector<uint8_t> black(FrameBufferSize, 0);
    ASSERT_TRUE(WriteDisplayPng(reference.toStdString(), black.data(), 1, error)) << error;
    QFile file(dir.filePath("fault.yaml"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "version: 1\nsteps:\n  - power: on\n  - record: { save-to: out/demo.gif }\n"
        "  - delay: 500ms\n  - record: stop\n  - take-screenshot: { compare-with: ref.png }\n");
    file.close();
    QFile ref(reference);
    ASSERT_TRUE(ref.open(QIODevice::ReadOnly));
    const QByteArray before = ref.readAll();
    ref.close();

    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedChannels);
    sim.start(AXIM_SIM, QStringList{"--play", file.fileName()} + run.options);
    ASSERT_TRUE(sim.waitForStarted(10000));
    QTest::qWait(4000);  // a round and its failed screenshot
    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(10000));
    ASSERT_TRUE(ref.open(QIODevice::ReadOnly));
    EXPECT_EQ(ref.readAll(), before) << "the reference is left as it was";
    EXPECT_EQ(QFileInfo::exists(dir.filePath("out/demo.gif")), run.outputsBeside);
    EXPECT_EQ(QFileInfo::exists(dir.filePath("fault.yaml-7.actual.png")), run.outputsBeside);
  }
}

// The command line's answers need no display.
TEST(CommandLineTest, HelpVersionAndMistakesAnswerWithoutAWindow) {
  const struct {
    QStringList args;
    int code;
    const char* says;
  } cases[] = {
      {{"--help"}, 0, "  --play FILE    play the scenario FILE at start"},
      {{"--loop", "--help"}, 0, "  --full-screen  show the display window on the whole screen"},
      {{"--version"}, 0, "axim7-sim 1."},
      {{"--loop"}, 2, "--loop repeats a scenario: give it with --play FILE."},
      {{"--play"}, 2, "Missing value after '--play'."},
      {{"--display=yes"}, 2, "Unexpected value after '--display'."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.insert("QT_QPA_PLATFORM", "xcb");
    p.setProcessEnvironment(env);
    p.start(AXIM_SIM, c.args);
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), c.code);
    const QString out =
        QString::fromLocal8Bit(c.code == 0 ? p.readAllStandardOutput() : p.readAllStandardError());
    EXPECT_TRUE(out.contains(c.says)) << out.toStdString();
  }
  // Every option on a line of its own, "  --name ARG  text".
  QProcess help;
  help.start(AXIM_SIM, {"--help"});
  ASSERT_TRUE(help.waitForFinished(10000));
  const QString text = QString::fromLocal8Bit(help.readAllStandardOutput());
  for (const char* option :
       {"--help", "--version", "--play FILE", "--loop", "--display", "--full-screen"}) {
    const QRegularExpression line(QString("^  %1 +\\S").arg(QRegularExpression::escape(option)),
                                  QRegularExpression::MultilineOption);
    EXPECT_TRUE(line.match(text).hasMatch()) << option;
  }
}

// A dealer's screen: the program started with every option of the command
// line plays a scenario round after round on the whole screen; a key hands
// the instrument to the visitor, and a while without input starts the
// demonstration again.
class DealerTest : public ::testing::Test {
 protected:
  static constexpr int IdleMs = 5000;

  void SetUp() override {
    ASSERT_TRUE(FontsDraw()) << "the font tables are not built in";
    // A round: the clocks for a second, then the flight timer's view.
    Scenario = QDir(Dir.path()).filePath("round.yaml");
    QFile file(Scenario);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // Healthy inputs: no alarm for the key to acknowledge instead.
    file.write(
        "version: 1\nsteps:\n"
        "  - set-control: { control: volts, value: 1445 }\n"
        "  - set-control: { control: current, value: 2568 }\n"
        "  - set-control: { control: oat, value: 2400 }\n"
        "  - power: on\n  - delay: 1s\n  - press: plus\n  - delay: 1500ms\n");
    file.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("AXIM7_SIM_TEST_IDLE_MS", QString::number(IdleMs));
    Sim.setProcessEnvironment(env);
    Sim.setProcessChannelMode(QProcess::ForwardedChannels);
    Sim.start(AXIM_SIM, {"--play", Scenario, "--loop", "--display", "--full-screen"});
    ASSERT_TRUE(Sim.waitForStarted(10000));
    for (int i = 0; i < 200 && DisplayWindow.isEmpty(); ++i) {
      DisplayWindow =
          Xdotool({"search", "--onlyvisible", "--name", "^AXIM-7 Display$"}).split('\n').value(0);
      if (DisplayWindow.isEmpty()) QTest::qWait(50);
    }
    ASSERT_FALSE(DisplayWindow.isEmpty());
  }

  void TearDown() override {
    if (Sim.state() != QProcess::NotRunning) {
      Sim.kill();
      Sim.waitForFinished(5000);
    }
  }

  // The display as the screen shows it, one sample per display pixel, laid
  // out as the main window's panel (frame row y on row y + 1).
  QImage Shown() {
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(
        QImage::Format_RGB32);
    const int scale = std::min((screen.width() - 20) / 160, (screen.height() - 20) / 120);
    const int left = (screen.width() - 160 * scale) / 2, top = (screen.height() - 120 * scale) / 2;
    QImage panel(161, 121, QImage::Format_RGB32);
    panel.fill(Qt::black);
    for (int y = 0; y < 120; ++y)
      for (int x = 0; x < 160; ++x)
        panel.setPixel(x, y + 1,
                       screen.pixel(left + x * scale + scale / 2, top + y * scale + scale / 2));
    return panel;
  }

  // Which home view shows: 0 the clocks, 1 the flight timer, -1 neither.
  int View() {
    const QImage panel = Shown();
    const QColor grey(0x70, 0x70, 0x70);
    if (PanelShows(panel, 0, 35, "UTC", grey)) return 0;
    if (PanelShows(panel, 0, 35, "FT", grey)) return 1;
    return -1;
  }

  // Waits for the view; false when it did not show within the time.
  bool WaitForView(int view, int ms) {
    for (QElapsedTimer clock; !clock.isValid() || clock.elapsed() < ms; QTest::qWait(100)) {
      if (!clock.isValid()) clock.start();
      if (View() == view) return true;
    }
    return false;
  }

  QTemporaryDir Dir;
  QString Scenario;
  QProcess Sim;
  QString DisplayWindow;
};

TEST_F(DealerTest, TheDemonstrationLoopsAKeyStopsItAndItStartsAgainAfterAWhile) {
  const QImage first = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
  EXPECT_EQ(first.size(), QSize(1280, 1024));
  // Round after round: the clocks, the flight timer, the clocks again.
  ASSERT_TRUE(WaitForView(1, 8000)) << "the first round";
  ASSERT_TRUE(WaitForView(0, 5000)) << "the second round starts from program start";
  ASSERT_TRUE(WaitForView(1, 5000));
  ASSERT_TRUE(WaitForView(0, 5000)) << "and the third";
  ASSERT_TRUE(WaitForView(1, 5000));

  // The visitor presses a key: the round stops where it is, on the flight
  // timer, and stays there though a round lasts less than three seconds.
  Xdotool({"windowfocus", "--sync", DisplayWindow});
  Xdotool({"key", "space"});
  QElapsedTimer handed;
  handed.start();
  EXPECT_FALSE(WaitForView(0, IdleMs - 1500)) << "the demonstration went on";
  EXPECT_EQ(View(), 1);
  // Left alone, it starts again.
  ASSERT_TRUE(WaitForView(0, 6000)) << "no new round after the wait";
  EXPECT_GE(handed.elapsed(), IdleMs - 300);
  ASSERT_TRUE(WaitForView(1, 5000));
  ASSERT_TRUE(WaitForView(0, 5000)) << "and it loops again";
}

}  // namespace
