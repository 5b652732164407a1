#include "window/FlightDataWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "host/InstrumentWindow.h"
#include "host/PanelUnits.h"
#include "window/ColumnMapDialog.h"
#include "window/FileDialogs.h"

namespace {

constexpr double Speeds[] = {0.25, 0.5, 1, 2, 4, 8};

QString CountText(TPanelInput input) {
  char text[64];
  PanelReading(input, PanelInputValue(input), text, sizeof text);
  return QString::fromUtf8(text);
}

}  // namespace

TFlightDataWindow::TFlightDataWindow(TInstrumentWindow* main)
    : QWidget(main, Qt::Tool), Main(main) {
  setObjectName("FlightData");
  setWindowTitle("Flight Data");

  auto* inputs = new QGroupBox("Inputs", this);
  auto* grid = new QGridLayout(inputs);
  for (uint8_t i = 0; i < PanelSensorCount; ++i) {
    const auto input = static_cast<TPanelInput>(i);
    grid->addWidget(new QLabel(PanelRow(input).Label, inputs), i, 0);
    Fields[i] = new QLineEdit(inputs);
    Fields[i]->setObjectName(QString(PanelRow(input).Name) + "Field");
    Fields[i]->setAccessibleName(PanelRow(input).Title);
    Fields[i]->setPlaceholderText(PanelUnitSymbol(PanelInputUnit(input)));
    Fields[i]->setToolTip(QString("A value in %1, or a count (\"1648 counts\")")
                              .arg(PanelUnitSymbol(PanelInputUnit(input))));
    connect(Fields[i], &QLineEdit::returnPressed, this, [this, input] { ApplyField(input); });
    grid->addWidget(Fields[i], i, 1);
    Counts[i] = new QLabel(inputs);
    // As wide as the widest reading the input has: its bottom's or its top's.
    char bottom[64], top[64];
    PanelReading(input, PanelRow(input).Bottom, bottom, sizeof bottom);
    PanelReading(input, PanelRow(input).Top, top, sizeof top);
    Counts[i]->setMinimumWidth(qMax(fontMetrics().horizontalAdvance(QString::fromUtf8(bottom)),
                                    fontMetrics().horizontalAdvance(QString::fromUtf8(top))));
    grid->addWidget(Counts[i], i, 2);
  }

  auto* states = new QGroupBox("Start from", this);
  auto* stateRow = new QHBoxLayout(states);
  for (uint8_t s = 0; s < PanelStateCount; ++s) {
    States[s] = new QPushButton(QString::fromUtf8(PanelStates[s].Name), states);
    connect(States[s], &QPushButton::clicked, this, [this, s] { ApplyState(s); });
    stateRow->addWidget(States[s]);
  }

  auto* log = new QGroupBox("Flight log", this);
  auto* logLayout = new QVBoxLayout(log);
  auto* buttons = new QHBoxLayout;
  OpenButton = new QPushButton("Open...", log);
  PlayButton = new QPushButton("Play", log);
  BackButton = new QPushButton("\u25C0 Row", log);
  BackButton->setToolTip("A row back");
  ForwardButton = new QPushButton("Row \u25B6", log);
  ForwardButton->setToolTip("A row forward");
  Speed = new QComboBox(log);
  Speed->setAccessibleName("Speed");
  for (double speed : Speeds) Speed->addItem(QString("%1x").arg(speed), speed);
  Speed->setCurrentIndex(2);
  Loop = new QCheckBox("Loop", log);
  for (QWidget* w : std::initializer_list<QWidget*>{OpenButton, PlayButton, BackButton,
                                                    ForwardButton, Speed, Loop})
    buttons->addWidget(w);
  buttons->addStretch();
  auto* position = new QHBoxLayout;
  Position = new QSlider(Qt::Horizontal, log);
  Position->setAccessibleName("Position");
  Time = new QLabel(log);
  position->addWidget(Position, 1);
  position->addWidget(Time);
  LogName = new QLabel("No log open.", log);
  LogName->setWordWrap(true);
  logLayout->addLayout(buttons);
  logLayout->addLayout(position);
  logLayout->addWidget(LogName);

  connect(OpenButton, &QPushButton::clicked, this, &TFlightDataWindow::AskLog);
  connect(PlayButton, &QPushButton::clicked, this, &TFlightDataWindow::PlayOrPause);
  connect(BackButton, &QPushButton::clicked, this, [this] {
    Player.Step(-1);
    ShowPlayer();
  });
  connect(ForwardButton, &QPushButton::clicked, this, [this] {
    Player.Step(1);
    ShowPlayer();
  });
  connect(Position, &QSlider::valueChanged, this, [this](int tenths) {
    Player.Seek(static_cast<uint32_t>(tenths) * 100);
    ShowPlayer();
  });
  connect(Speed, &QComboBox::currentIndexChanged, this,
          [this] { Player.SetSpeed(Speed->currentData().toDouble()); });
  connect(Loop, &QCheckBox::toggled, this, [this](bool on) { Player.Loop = on; });

  Message = new QLabel(this);
  Message->setWordWrap(true);
  Message->setText("Type a value and press Enter: 14.2 V, -5 °C, 23 F, 0.5 g, 1648 counts.");

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(inputs);
  layout->addWidget(states);
  layout->addWidget(log);
  layout->addWidget(Message);

  connect(main, &TInstrumentWindow::Ticked, this, &TFlightDataWindow::Tick);
  connect(main, &TInstrumentWindow::InputMoved, this, [this](int input) {
    if (input < PanelSensorCount)
      Counts[input]->setText(CountText(static_cast<TPanelInput>(input)));
  });
  ShowCounts();
  ShowPlayer();
}

bool TFlightDataWindow::ApplyField(TPanelInput input) {
  const auto i = static_cast<uint8_t>(input);
  TPanelUnitCount count;
  char message[160];
  const QByteArray text = Fields[i]->text().toUtf8();
  if (!PanelParseValue(input, text.constData(), PanelInputUnit(input), count, message,
                       sizeof message)) {
    ShowOutcome(QString::fromUtf8(message), true);
    return false;
  }
  // What the user types wins over the log playing.
  Player.Pause();
  PanelSetInput(input, count.Count);
  ShowCounts();
  ShowPlayer();
  if (message[0] != '\0')
    ShowOutcome(QString::fromUtf8(message), true);
  else
    ShowOutcome(QString("%1 set: %2.").arg(PanelRow(input).Title, CountText(input)), false);
  return true;
}

void TFlightDataWindow::ApplyState(int state) {
  Player.Pause();
  PanelApplyState(PanelStates[state]);
  ShowCounts();
  ShowPlayer();
  ShowOutcome(QString("Inputs set to \"%1\".").arg(QString::fromUtf8(PanelStates[state].Name)),
              false);
}

// The first time at the demonstration flight's folder beside the guided
// tour, then where the user last opened a log.
void TFlightDataWindow::AskLog() {
  static QString folder;
  if (folder.isEmpty() && !TourFile().isEmpty())
    folder = QFileInfo(TourFile()).dir().filePath("flights");
  const QString path = QFileDialog::getOpenFileName(this, "Open Flight Log", folder,
                                                    "Flight logs (*.csv);;All files (*)", nullptr,
                                                    QFileDialog::DontUseNativeDialog);
  if (path.isEmpty()) return;
  folder = QFileInfo(path).absolutePath();
  OpenLog(path);
}

bool TFlightDataWindow::OpenLog(const QString& path) {
  std::string error;
  TLogHeader header;
  if (!LoadFlightLogHeader(ChosenPath(QFile::encodeName(path).toStdString()), header, error)) {
    ShowOutcome(QString::fromStdString(error), true);
    return false;
  }
  if (!header.Mappable) return OpenLogWith(path, TLogColumns{});
  // One question at a time: a log opened while asking replaces the last.
  delete findChild<TColumnMapDialog*>();
  auto* dialog = new TColumnMapDialog(this, QFileInfo(path).fileName(), header);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog, &TColumnMapDialog::Chosen, this, [this, dialog, path] {
    if (OpenLogWith(path, dialog->Columns()))
      dialog->accept();
    else
      dialog->Refuse(Message->text());
  });
  ShowOutcome(QString("Choose the columns of %1.").arg(QFileInfo(path).fileName()), false);
  dialog->open();
  return true;
}

bool TFlightDataWindow::OpenLogWith(const QString& path, const TLogColumns& columns) {
  std::string error;
  if (!Player.Open(QFile::encodeName(path).toStdString(), columns, error)) {
    ShowOutcome(QString::fromStdString(error), true);
    return false;
  }
  const TFlightLog& log = *Player.Current();
  QStringList given;
  for (uint8_t i = 0; i < PanelSensorCount; ++i)
    if (log.Has[i]) given << QString::fromStdString(log.Headers[i]);
  LogName->setText(QString("%1: %2 rows, %3.")
                       .arg(QFileInfo(path).fileName())
                       .arg(log.Rows())
                       .arg(given.join(", ")));
  ShowOutcome(QString("Opened %1; press Play.").arg(QFileInfo(path).fileName()), false);
  ShowCounts();
  ShowPlayer();
  return true;
}

void TFlightDataWindow::PlayOrPause() {
  if (Player.Playing())
    Player.Pause();
  else
    Player.Play();
  ShowPlayer();
}

void TFlightDataWindow::Tick() {
  if (Player.Playing()) {
    Player.Tick();
    ShowPlayer();
  }
  // A calibration changed on a setup page changes what a count reads as.
  if (isVisible()) ShowCounts();
}

void TFlightDataWindow::ShowCounts() {
  for (uint8_t i = 0; i < PanelSensorCount; ++i)
    Counts[i]->setText(CountText(static_cast<TPanelInput>(i)));
}

void TFlightDataWindow::ShowPlayer() {
  const bool open = Player.IsOpen();
  for (QWidget* w :
       std::initializer_list<QWidget*>{PlayButton, BackButton, ForwardButton, Position})
    w->setEnabled(open);
  PlayButton->setText(Player.Playing() ? "Pause" : "Play");
  const QSignalBlocker quiet(Position);
  Position->setRange(0, static_cast<int>(Player.Length() / 100));
  Position->setValue(static_cast<int>(Player.Position() / 100));
  Time->setText(open ? QString::fromStdString(Player.PositionText()) : QString());
}

void TFlightDataWindow::ShowOutcome(const QString& text, bool refused) {
  Message->setText(text);
  Message->setStyleSheet(refused ? "color: #b00000; font-weight: bold;" : QString());
}

void TFlightDataWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  emit Closed();
}

QAction* AddFlightDataAction(TInstrumentWindow* main, QMenu* view) {
  QAction* action = view->addAction("Flight Data");
  action->setObjectName("FlightData1");
  action->setShortcut(QKeySequence("Ctrl+G"));
  action->setShortcutContext(Qt::ApplicationShortcut);
  action->setCheckable(true);
  QObject::connect(action, &QAction::toggled, main, [main, action](bool on) {
    auto* window = main->findChild<TFlightDataWindow*>();
    if (window == nullptr && !on) return;
    if (window == nullptr) {
      window = new TFlightDataWindow(main);
      QObject::connect(window, &TFlightDataWindow::Closed, action,
                       [action] { action->setChecked(false); });
    }
    if (window->isVisible() != on) window->setVisible(on);
  });
  return action;
}
