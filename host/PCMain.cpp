#include "host/PCMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>

#include "host/Controls.h"
#include "host/DisplayPanel.h"
#include "host/FacePicture.h"
#include "host/FrontPanel.h"

TfrmMain* frmMain = nullptr;

namespace {

constexpr int ClientWidth = 503;
constexpr int ClientHeight = 329;
constexpr int StatusHeight = 19;
constexpr int LabelHeight = 13;

// A sans-serif face close to the classic 8-point dialog font, 11 pixels high.
QFont FormFont() {
  QFont font;
  font.setFamilies({"MS Sans Serif", "Liberation Sans", "Arimo", "Arial", "DejaVu Sans"});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}

// Labels size themselves to their caption, never below the form's size.
void SetCaption(QLabel* label, const QString& caption) {
  label->setText(caption);
  const int minimum = label->property("formWidth").toInt();
  label->resize(qMax(minimum, label->fontMetrics().horizontalAdvance(caption)), LabelHeight);
}

QLabel* MakeLabel(QWidget* parent, int left, int top, int width, const char* caption) {
  auto* label = new QLabel(parent);
  label->setProperty("formWidth", width);
  label->move(left, top);
  SetCaption(label, caption);
  return label;
}

// A sensor input's bar, its range and starting position from the panel's table.
QScrollBar* MakeScrollBar(QWidget* parent, int top, TPanelInput input) {
  const TPanelInputRow& row = PanelRow(input);
  auto* bar = new QScrollBar(Qt::Horizontal, parent);
  bar->setGeometry(352, top, 137, 17);
  bar->setRange(row.Bottom, row.Top);
  bar->setValue(row.Start);
  // The bars have no page: the large step is the small one, and the
  // thumb keeps its smallest length.
  bar->setSingleStep(1);
  bar->setPageStep(1);
  // Qt's scroll bars invert the arrow keys for the sake of vertical bars;
  // on these horizontal ones Right and End count up, Left and Home down.
  bar->setInvertedControls(false);
  bar->setFocusPolicy(Qt::StrongFocus);
  return bar;
}

QPushButton* MakeButton(QWidget* parent, int left, int top, int width, int height,
                        const char* caption) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(left, top, width, height);
  return button;
}

void ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox box(parent);
  box.setWindowTitle(QApplication::applicationName());
  box.setText(text);
  box.exec();
}

}  // namespace

TfrmMain::TfrmMain() {
  setWindowTitle("Orlyn AXIM-7 Simulator");
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFont(FormFont());
  BuildControls();
  FormCreate();
}

TfrmMain::~TfrmMain() {
  PanelUnlisten(Heard, this);
  qApp->removeEventFilter(this);
  FormDestroy();
  if (frmMain == this) frmMain = nullptr;
}

void TfrmMain::BuildControls() {
  menuBar()->setNativeMenuBar(false);
  File1 = menuBar()->addMenu("&File");
  Exit1 = File1->addAction("&Exit");
  connect(Exit1, &QAction::triggered, this, &TfrmMain::Exit1Click);
  // Filled by the window's tools.
  Edit1 = menuBar()->addMenu("Edit");
  View1 = menuBar()->addMenu("View");
  PopupMenu1 = new QMenu(this);

  auto* client = new QWidget(this);
  client->setFixedSize(ClientWidth, ClientHeight - StatusHeight);
  setCentralWidget(client);
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setSizeGripEnabled(false);
  StatusBar1->setFixedSize(ClientWidth, StatusHeight);
  setStatusBar(StatusBar1);

  Image1 = new TPicture(client);
  Image1->setGeometry(0, 0, 241, 249);
  QString error;
  const QImage face = DecodeJpeg(FaceJpeg, FaceJpegSize, error);
  if (face.isNull())
    FaceError = "The picture of the instrument's face could not be decoded: " + error;
  else
    Image1->SetPicture(face);

  Image2 = new TClickArea(client);
  Image2->setGeometry(52, 192, 33, 33);
  Image2->setToolTip("Left button (F1)");
  Image3 = new TClickArea(client);
  Image3->setGeometry(154, 192, 33, 33);
  Image3->setToolTip("Right button (F2)");
  Image8 = new TClickArea(client);
  Image8->setGeometry(100, 196, 41, 41);
  Image8->setToolTip("Knob: click or Enter to press; wheel or + / - to turn");
  connect(Image2, &TClickArea::Clicked, this, &TfrmMain::Image2Click);
  connect(Image3, &TClickArea::Clicked, this, &TfrmMain::Image3Click);
  connect(Image8, &TClickArea::Clicked, this, &TfrmMain::Image8Click);
  connect(Image8, &TClickArea::WheelTurned, this,
          [this](int notches) { notches > 0 ? Button3Click() : Button4Click(); });

  Display = new TDisplayPanel;
  Panel1 = QWidget::createWindowContainer(Display, client);
  Panel1->setGeometry(40, 57, 161, 121);
  Panel1->setAutoFillBackground(true);
  Panel1->setPalette(QPalette(Qt::black));
  Panel1->setFocusPolicy(Qt::NoFocus);
  Panel1->setToolTip(
      "The instrument's display, 160 x 120 pixels. F1 and F2 press the buttons below it, Enter "
      "presses the knob, + (or =) and - turn it");
  connect(Display, &TDisplayPanel::Exposed, this, &TfrmMain::FormPaint);
  connect(Display, &TDisplayPanel::Resized, this, &TfrmMain::FormResize);
  connect(Display, &TDisplayPanel::FrameDue, this, &TfrmMain::RunPass);
  // A refresh asked for before the display was hidden never comes.
  connect(Display, &TDisplayPanel::Concealed, this, [this] {
    if (PassPending) PassTimer->start(0);
  });

  QFont bold = FormFont();
  bold.setBold(true);
  bold.setPixelSize(16);
  Button3 = MakeButton(client, 64, 232, 33, 25, "+");
  Button3->setFont(bold);
  Button3->setToolTip("Turn the knob clockwise (+ or = key, or wheel up over the knob)");
  Button4 = MakeButton(client, 144, 232, 33, 25, "-");
  Button4->setFont(bold);
  Button4->setToolTip("Turn the knob counter-clockwise (- key or wheel down over the knob)");

  Shape1 = new TShape(client);
  Shape1->setGeometry(16, 264, 33, 33);
  Shape1->setToolTip("Alarm lamp");

  Button1 = MakeButton(client, 64, 272, 75, 25, "&On");
  Button1->setToolTip(
      "Switch the instrument on, with the default settings (pressed while on, it starts again)");
  Button2 = MakeButton(client, 160, 272, 75, 25, "&Off");
  Button2->setToolTip("Switch the instrument off");
  Button5 = MakeButton(client, 152, 8, 75, 25, "Color Table");
  Button5->setVisible(false);
  connect(Button1, &QPushButton::clicked, this, &TfrmMain::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TfrmMain::Button2Click);
  connect(Button1, &QPushButton::clicked, this, [this] { emit PowerPressed(true); });
  connect(Button2, &QPushButton::clicked, this, [this] { emit PowerPressed(false); });
  connect(Button3, &QPushButton::clicked, this, &TfrmMain::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TfrmMain::Button4Click);
  connect(Button5, &QPushButton::clicked, this, &TfrmMain::Button5Click);

  // Caption, count and bar of each sensor input, in the panel's order; the
  // counts show what the instrument has (the current's 0 until moved).
  const struct {
    QLabel*& Caption;
    int CaptionWidth;
    QLabel*& Count;
    QScrollBar*& Bar;
    void (TfrmMain::*Change)();
  } inputs[PanelSensorCount] = {
      {Label55, 26, Label57, ScrollBar29, &TfrmMain::ScrollBar29Change},
      {Label2, 37, Label4, ScrollBar1, &TfrmMain::ScrollBar1Change},
      {Label3, 25, Label1, ScrollBar2, &TfrmMain::ScrollBar2Change},
      {Label7, 35, Label6, ScrollBar3, &TfrmMain::ScrollBar3Change},
      {Label8, 32, Label9, ScrollBar4, &TfrmMain::ScrollBar4Change},
      {Label5, 32, Label10, ScrollBar5, &TfrmMain::ScrollBar5Change},
  };
  for (uint8_t i = 0; i < PanelSensorCount; ++i) {
    const auto input = static_cast<TPanelInput>(i);
    const int top = 8 + 24 * i;
    inputs[i].Caption = MakeLabel(client, 256, top, inputs[i].CaptionWidth, PanelInputs[i].Label);
    inputs[i].Count =
        MakeLabel(client, 304, top, 6, QByteArray::number(PanelInputValue(input)).constData());
    inputs[i].Bar = MakeScrollBar(client, top, input);
    inputs[i].Bar->setAccessibleName(PanelInputs[i].Title);
    connect(inputs[i].Bar, &QScrollBar::valueChanged, this, inputs[i].Change);
    Counts[i] = inputs[i].Count;
  }

  const TPanelInputRow& calibrate = PanelRow(TPanelInput::Calibrate);
  CheckBox1 = new QCheckBox(calibrate.Label, client);
  CheckBox1->setGeometry(256, 160, 97, 17);
  CheckBox1->setChecked(calibrate.Start != 0);
  connect(CheckBox1, &QCheckBox::toggled, this,
          [](bool ticked) { PanelSetInput(TPanelInput::Calibrate, ticked ? 1 : 0); });
  CheckBox1->setToolTip(
      "While ticked, the G-force setup offers the accelerometer calibration (CAL G-FORCE)");

  const std::pair<QObject*, const char*> names[] = {
      {Image1, "Image1"},         {Image2, "Image2"},         {Image3, "Image3"},
      {Image8, "Image8"},         {Panel1, "Panel1"},         {Button1, "Button1"},
      {Button2, "Button2"},       {Button3, "Button3"},       {Button4, "Button4"},
      {Button5, "Button5"},       {Shape1, "Shape1"},         {Label1, "Label1"},
      {Label2, "Label2"},         {Label3, "Label3"},         {Label4, "Label4"},
      {Label5, "Label5"},         {Label6, "Label6"},         {Label7, "Label7"},
      {Label8, "Label8"},         {Label9, "Label9"},         {Label10, "Label10"},
      {Label55, "Label55"},       {Label57, "Label57"},       {CheckBox1, "CheckBox1"},
      {ScrollBar1, "ScrollBar1"}, {ScrollBar2, "ScrollBar2"}, {ScrollBar3, "ScrollBar3"},
      {ScrollBar4, "ScrollBar4"}, {ScrollBar5, "ScrollBar5"}, {ScrollBar29, "ScrollBar29"},
      {StatusBar1, "StatusBar1"}};
  for (const auto& [control, name] : names) control->setObjectName(name);

  for (QWidget* w : {static_cast<QWidget*>(Image2), static_cast<QWidget*>(Image3),
                     static_cast<QWidget*>(Image8)})
    w->setFocusPolicy(Qt::NoFocus);
  QWidget* order[] = {Button1,    Button2,     Button3,    Button4,    Panel1,
                      Button5,    ScrollBar29, ScrollBar2, ScrollBar1, ScrollBar3,
                      ScrollBar4, ScrollBar5,  CheckBox1};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  // A pass runs when the panel asks for one, on the display's next refresh;
  // while the display is hidden a timer stands in for the refresh.
  PassTimer = new QTimer(this);
  PassTimer->setSingleShot(true);
  connect(PassTimer, &QTimer::timeout, this, &TfrmMain::RunPass);

  Timer1 = new QTimer(this);
  Timer1->setTimerType(Qt::PreciseTimer);
  Timer1->setInterval(100);
  connect(Timer1, &QTimer::timeout, this, &TfrmMain::Timer1Timer);
  Timer1->start();

  connect(Display, &TDisplayPanel::ContextMenuRequested, PopupMenu1,
          [this](QPoint at) { PopupMenu1->popup(at); });

  // Fixed size, centred on the screen.
  const QSize frame(ClientWidth, menuBar()->sizeHint().height() + ClientHeight);
  setFixedSize(frame);
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());

  qApp->installEventFilter(this);
  PanelListen(Heard, this);
}

// Rendering context on the display panel; failures are reported and the
// program carries on without a display.
void TfrmMain::FormCreate() {
  const QString failure = Display->CreateContext();
  if (!failure.isEmpty()) ShowMessage(this, failure);
  PanelProgramStart();
}

void TfrmMain::FormResize() { Display->SetProjection(); }

// A newly exposed surface has no defined contents: show the present frame.
void TfrmMain::FormPaint() {
  Display->Present(true);
  emit FramePresented();
}

void TfrmMain::FormDestroy() { Display->ReleaseContext(); }

void TfrmMain::Button1Click() {
  // Pressed while running, the instrument restarts and the passes go on.
  PanelOn();
}

// Everything that changes the panel, from any tool: the controls follow it
// (without telling it again) and a pass is asked for when one is due.
void TfrmMain::Heard(const TPanelChange& change, void* context) {
  auto* window = static_cast<TfrmMain*>(context);
  switch (change.Event) {
    case TPanelEvent::Input:
      window->ShowInput(static_cast<TPanelInput>(change.Which));
      break;
    case TPanelEvent::Field: {
      // An input written by name moves its bar, where the bar can go.
      TPanelInput input;
      if (PanelFieldInput(*change.Field, input)) window->ShowInput(input);
      break;
    }
    case TPanelEvent::Pass:
      ++window->Passes;
      return;
    default:
      break;
  }
  window->RequestPass();
}

void TfrmMain::ShowInput(TPanelInput input) {
  const int16_t position = FrontPanel.Position[static_cast<uint8_t>(input)];
  if (input == TPanelInput::Calibrate) {
    const QSignalBlocker blocker(CheckBox1);
    CheckBox1->setChecked(position != 0);
    return;
  }
  QScrollBar* bar = SensorBars()[static_cast<std::size_t>(input)];
  if (position >= bar->minimum() && position <= bar->maximum()) {
    const QSignalBlocker blocker(bar);
    bar->setValue(position);
  }
  SetCaption(Counts[static_cast<std::size_t>(input)], QString::number(position));
  // Those who follow the bar (its tip) hear of the move.
  emit InputMoved(static_cast<int>(input));
}

void TfrmMain::RequestPass() {
  if (PassPending || !PanelWantsPass()) return;
  PassPending = true;
  // The display's refresh normally comes first; the timer covers a display
  // that is hidden or whose refresh request got lost.
  if (Display->isExposed()) {
    Display->requestUpdate();
    PassTimer->start(50);
  } else {
    PassTimer->start(0);
  }
}

void TfrmMain::RunPass() {
  // The display's refresh and the timer may both be due: one pass only.
  if (!PassPending) return;
  PassPending = false;
  PassTimer->stop();
  if (!PanelWantsPass()) return;
  if (PanelPass())
    ShowPass();
  else
    emit StateAdvanced();  // the stop request was found
  // A pass that took a key shows its effect on the next.
  RequestPass();
}

void TfrmMain::ShowPass() {
  const QColor lamp = Shape1->BrushColor();
  SetLamp(FrontPanel.Lamp);
  // A frame like the one shown is not drawn again; the windows that follow
  // the display hear of a new frame or a new lamp state.
  const bool presented = Display->Present();
  if (presented || lamp != Shape1->BrushColor()) emit FramePresented();
  emit StateAdvanced();
}

void TfrmMain::SetLamp(int red) { Shape1->SetBrushColor(QColor(red, 0, 0)); }

QColor TfrmMain::LampColour() const { return Shape1->BrushColor(); }

std::array<QScrollBar*, PanelSensorCount> TfrmMain::SensorBars() const {
  return {ScrollBar29, ScrollBar1, ScrollBar2, ScrollBar3, ScrollBar4, ScrollBar5};
}

void TfrmMain::WriteSensorInputs() {
  for (uint8_t i = 0; i < PanelSensorCount; ++i)
    PanelSetInput(static_cast<TPanelInput>(i), SensorBars()[i]->value());
}

bool TfrmMain::Running() const { return FrontPanel.Running == 1; }

const uint8_t* TfrmMain::ShownFrame() const { return Display->ShownFrame(); }

QWindow* TfrmMain::DisplaySurface() const { return Display; }

void TfrmMain::ShowKeyHeld(uint8_t key, int ms) {
  QPushButton* shown = key == KeyKnobPlus ? Button3 : key == KeyKnobMinus ? Button4 : nullptr;
  if (shown == nullptr || ms <= 0) return;
  shown->setDown(true);
  QTimer::singleShot(ms, shown, [shown] { shown->setDown(false); });
}

void TfrmMain::PressKey(uint8_t key, int shownMs) {
  ShowKeyHeld(key, shownMs);
  switch (key) {
    case KeyLeft:
      Image2Click();
      break;
    case KeyRight:
      Image3Click();
      break;
    case KeyKnobPress:
      Image8Click();
      break;
    case KeyKnobPlus:
      Button3Click();
      break;
    case KeyKnobMinus:
      Button4Click();
      break;
    default:
      break;
  }
}

void TfrmMain::Button2Click() { PanelOff(); }
void TfrmMain::Image2Click() { Deposit(KeyLeft); }
void TfrmMain::Image3Click() { Deposit(KeyRight); }
void TfrmMain::Image8Click() { Deposit(KeyKnobPress); }
void TfrmMain::Button3Click() { Deposit(KeyKnobPlus); }
void TfrmMain::Button4Click() { Deposit(KeyKnobMinus); }

void TfrmMain::Deposit(uint8_t key) {
  if (PanelPress(key)) emit KeyDeposited(key);
}

void TfrmMain::Button5Click() {}

void TfrmMain::ScrollBar29Change() { PanelSetInput(TPanelInput::Volts, ScrollBar29->value()); }
void TfrmMain::ScrollBar1Change() { PanelSetInput(TPanelInput::Current, ScrollBar1->value()); }
void TfrmMain::ScrollBar2Change() { PanelSetInput(TPanelInput::Oat, ScrollBar2->value()); }
void TfrmMain::ScrollBar3Change() { PanelSetInput(TPanelInput::X, ScrollBar3->value()); }
void TfrmMain::ScrollBar4Change() { PanelSetInput(TPanelInput::Y, ScrollBar4->value()); }
void TfrmMain::ScrollBar5Change() { PanelSetInput(TPanelInput::Z, ScrollBar5->value()); }

// The tick runs whether the instrument is on or off; a scenario playing
// runs its own.
void TfrmMain::Timer1Timer() {
  if (FrontPanel.Driven) return;
  PanelTick();
  if (!Running()) emit StateAdvanced();
  emit Ticked();
}

void TfrmMain::FormClose() { PanelOff(); }

void TfrmMain::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

// As closing the window does (the tools finish their files first), then the
// program ends.
void TfrmMain::Exit1Click() {
  close();
  PanelOff();
  QCoreApplication::quit();
}

// The front panel from the keyboard: F1 and F2 are the push buttons, Enter
// presses the knob, + (or =, its unshifted key) and - turn it; each deposits
// as its control would.
bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != this) return false;
  return FrontPanelKey(static_cast<QKeyEvent*>(event));
}

uint8_t FrontPanelKeyCode(const QKeyEvent* key) {
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
  switch (key->key()) {
    case Qt::Key_F1:
      return KeyLeft;
    case Qt::Key_F2:
      return KeyRight;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return KeyKnobPress;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      return KeyKnobPlus;
    case Qt::Key_Minus:
      return KeyKnobMinus;
    default:
      return 0;
  }
}

bool TfrmMain::FrontPanelKey(const QKeyEvent* key) {
  const uint8_t code = FrontPanelKeyCode(key);
  if (code != 0) PressKey(code, 0);
  return code != 0;
}
