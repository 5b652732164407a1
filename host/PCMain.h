// The simulator's main window: the instrument's face with the live display
// and the front-panel controls on the left, the sensor inputs on the right.
#pragma once
#include "host/FrontPanel.h"
#include "host/InstrumentWindow.h"

class QAction;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class QStatusBar;
class QTimer;
class TClickArea;
class TDisplayPanel;
class TPicture;
class TShape;

class TfrmMain : public TInstrumentWindow {
  Q_OBJECT
 public:
  TfrmMain();
  ~TfrmMain() override;

  // Controls, named and laid out as on the form.
  TPicture* Image1;
  TClickArea* Image2;
  TClickArea* Image3;
  TClickArea* Image8;
  QWidget* Panel1;         // holds the display surface
  TDisplayPanel* Display;  // the OpenGL surface inside Panel1
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;
  QPushButton* Button5;
  TShape* Shape1;
  QStatusBar* StatusBar1;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
  QLabel* Label8;
  QLabel* Label9;
  QLabel* Label10;
  QLabel* Label55;
  QLabel* Label57;
  QScrollBar* ScrollBar29;
  QScrollBar* ScrollBar1;
  QScrollBar* ScrollBar2;
  QScrollBar* ScrollBar3;
  QScrollBar* ScrollBar4;
  QScrollBar* ScrollBar5;
  QCheckBox* CheckBox1;
  QTimer* Timer1;
  QMenu* File1;
  QAction* Exit1;
  QMenu* Edit1;
  QMenu* View1;
  QMenu* PopupMenu1;  // the display panel's context menu

  // The picture decoding failure, empty when the face decoded.
  QString FaceError;

  // What the window's tools may ask of it.
  std::array<QScrollBar*, PanelSensorCount> SensorBars() const override;
  void WriteSensorInputs() override;
  QCheckBox* CalibrateBox() const override { return CheckBox1; }
  QColor LampColour() const override;
  void PressKey(uint8_t key, int shownMs) override;
  bool FrontPanelKey(const QKeyEvent* key) override;
  void SwitchOn() override { Button1Click(); }
  void SwitchOff() override { Button2Click(); }
  bool Running() const override;
  unsigned long PassCount() const override { return Passes; }
  void ShowKeyHeld(uint8_t key, int ms) override;
  void ShowPass() override;
  const uint8_t* ShownFrame() const override;
  void PresentFrame() override { FormPaint(); }
  QWidget* DisplayArea() const override { return Panel1; }
  QWindow* DisplaySurface() const override;

 public slots:
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Image2Click();
  void Image3Click();
  void Image8Click();
  void ScrollBar29Change();
  void ScrollBar1Change();
  void ScrollBar2Change();
  void ScrollBar3Change();
  void ScrollBar4Change();
  void ScrollBar5Change();
  void Timer1Timer();
  void FormCreate();
  void FormResize();
  void FormPaint();
  void FormDestroy();
  void Exit1Click();
  // A pass, when the panel asks for one (a tick, a key, an input, "&On").
  void RunPass();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormClose();
  void BuildControls();
  void SetLamp(int red);
  void RequestPass();
  void Deposit(uint8_t key);
  static void Heard(const TPanelChange& change, void* context);
  // A control brought to the panel's position (a bar only within its range).
  void ShowInput(TPanelInput input);

  bool PassPending = false;
  QTimer* PassTimer;
  unsigned long Passes = 0;  // passes seen since the window was made
  QLabel* Counts[PanelSensorCount];
};

extern TfrmMain* frmMain;
