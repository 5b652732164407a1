// The front panel and the sensor inputs as the user works them: clicks on
// the face, the buttons, the keyboard, the wheel, and the scroll bars.
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QToolTip>

#include "GuiSupport.h"
#include "core/Sensors.h"
#include "host/Controls.h"
#include "host/PCMain.h"
#include "host/RunLoop.h"

namespace {

using FrontPanelTest = gui::WindowTest;
using SensorInputTest = gui::WindowTest;

// The instrument is off, so nothing consumes the slot between clicks.
TEST_F(FrontPanelTest, EachControlDepositsItsCodeAndAPendingKeyDropsTheNext) {
  TfrmMain& w = *frmMain;
  struct {
    QWidget* control;
    uint8_t code;
  } const controls[] = {{w.Image2, KeyLeft},
                        {w.Image3, KeyRight},
                        {w.Image8, KeyKnobPress},
                        {w.Button3, KeyKnobPlus},
                        {w.Button4, KeyKnobMinus}};
  for (const auto& c : controls) {
    SCOPED_TRACE(int(c.code));
    KeySlot = KeyNone;
    gui::Click(c.control);
    EXPECT_EQ(KeySlot, c.code);
    for (const auto& other : controls) gui::Click(other.control);
    EXPECT_EQ(KeySlot, c.code) << "a click while a key is pending is dropped";
  }
}

TEST_F(FrontPanelTest, ClickAreasCoverTheirSquaresAndNothingBeyond) {
  TfrmMain& w = *frmMain;
  // The corners of the knob area count; a pixel outside it is the face.
  gui::ClickAt(w.Image8, QPoint(0, 0));
  EXPECT_EQ(KeySlot, KeyKnobPress);
  KeySlot = KeyNone;
  gui::ClickAt(w.Image8, QPoint(40, 40));
  EXPECT_EQ(KeySlot, KeyKnobPress);
  KeySlot = KeyNone;
  gui::ClickAt(w.Image1, QPoint(99, 196));
  gui::ClickAt(w.Image1, QPoint(51, 192));
  gui::ClickAt(w.Image1, QPoint(187, 200));
  EXPECT_EQ(KeySlot, KeyNone);
}

TEST_F(FrontPanelTest, KeyboardWorksThePanelLikeItsControls) {
  struct {
    int key;
    uint8_t code;
  } const keys[] = {{Qt::Key_F1, KeyLeft},          {Qt::Key_F2, KeyRight},
                    {Qt::Key_Return, KeyKnobPress}, {Qt::Key_Enter, KeyKnobPress},
                    {Qt::Key_Plus, KeyKnobPlus},    {Qt::Key_Equal, KeyKnobPlus},
                    {Qt::Key_Minus, KeyKnobMinus}};
  frmMain->ScrollBar29->setFocus();  // keys reach the panel whatever has focus
  for (const auto& k : keys) {
    SCOPED_TRACE(k.key);
    KeySlot = KeyNone;
    gui::Type(k.key);
    EXPECT_EQ(KeySlot, k.code);
    gui::Type(k.key == Qt::Key_F1 ? Qt::Key_F2 : Qt::Key_F1);
    EXPECT_EQ(KeySlot, k.code) << "a key while one is pending is dropped";
  }
  EXPECT_EQ(frmMain->ScrollBar29->value(), 0) << "the panel keys do not move the bar";
  KeySlot = KeyNone;
  gui::Type(Qt::Key_Plus, Qt::ShiftModifier);  // "+" typed with shift on most layouts
  EXPECT_EQ(KeySlot, KeyKnobPlus);
  KeySlot = KeyNone;
  gui::Type(Qt::Key_F1, Qt::ControlModifier);
  EXPECT_EQ(KeySlot, KeyNone);
}

TEST_F(FrontPanelTest, WheelOverTheKnobTurnsIt) {
  TfrmMain& w = *frmMain;
  ASSERT_TRUE(gui::PointerClick(w.Image8, QPoint(20, 20), 4));  // wheel away
  EXPECT_EQ(KeySlot, KeyKnobPlus);
  ASSERT_TRUE(gui::PointerClick(w.Image8, QPoint(20, 20), 5));
  EXPECT_EQ(KeySlot, KeyKnobPlus) << "dropped while pending";
  KeySlot = KeyNone;
  ASSERT_TRUE(gui::PointerClick(w.Image8, QPoint(20, 20), 5));  // wheel towards
  EXPECT_EQ(KeySlot, KeyKnobMinus);
  KeySlot = KeyNone;
  ASSERT_TRUE(gui::PointerClick(w.Image1, QPoint(20, 20), 4));
  EXPECT_EQ(KeySlot, KeyNone) << "the wheel elsewhere on the face does nothing";
}

TEST_F(FrontPanelTest, ToolTipsNameTheKeys) {
  TfrmMain& w = *frmMain;
  EXPECT_TRUE(w.Image2->toolTip().contains("F1"));
  EXPECT_TRUE(w.Image3->toolTip().contains("F2"));
  EXPECT_TRUE(w.Image8->toolTip().contains("Enter"));
  EXPECT_TRUE(w.Image8->toolTip().contains("wheel"));
  EXPECT_TRUE(w.Button3->toolTip().contains("+"));
  EXPECT_TRUE(w.Button4->toolTip().contains("-"));
}

// The pointer resting on a bar shows what the count the instrument has reads
// as, computed aside: the instrument's own readings stay as they were.
TEST_F(SensorInputTest, RestingOnABarShowsTheReadingOfItsCount) {
  TfrmMain& w = *frmMain;
  w.ScrollBar29->setValue(1648);
  w.ScrollBar3->setValue(300);
  w.activateWindow();  // tips show over the active window
  ASSERT_TRUE(gui::WaitFor([&w] { return w.isActiveWindow(); }));
  const struct {
    QScrollBar* bar;
    const char* tip;
  } tips[] = {{w.ScrollBar29, "1648 counts: 15.5 V"},
              {w.ScrollBar3, "300: 0.99 g"},
              {w.ScrollBar1, "0 counts: -20.4 A"}};  // its bar in the middle, its input 0
  for (const auto& t : tips) {
    ASSERT_TRUE(gui::PointerMove(t.bar, QPoint(68, 8)));
    EXPECT_TRUE(gui::WaitFor([&t] { return QToolTip::text() == t.tip; }))
        << QToolTip::text().toStdString();
  }
  EXPECT_EQ(Volts, 0);
  EXPECT_EQ(AxisG[0], 0.0f);
  EXPECT_EQ(AlarmFlags, 0u);
}

TEST_F(SensorInputTest, AxisBarsStoreTwosComplementBytesAndShowTheSignedPosition) {
  TfrmMain& w = *frmMain;
  w.ScrollBar3->setFocus();
  gui::Type(Qt::Key_Left);
  EXPECT_EQ(w.ScrollBar3->value(), -1);
  EXPECT_EQ(w.Label6->text(), "-1");
  EXPECT_EQ(AccelRegisters[0], 255);
  EXPECT_EQ(AccelRegisters[1], 255);
  gui::Type(Qt::Key_End);
  EXPECT_EQ(w.Label6->text(), "300");
  EXPECT_EQ(AccelRegisters[0], 44);
  EXPECT_EQ(AccelRegisters[1], 1);
  gui::Type(Qt::Key_Home);
  EXPECT_EQ(w.Label6->text(), "-300");
  EXPECT_EQ(AccelRegisters[0], 0xD4);
  EXPECT_EQ(AccelRegisters[1], 0xFE);
  EXPECT_GE(w.Label6->width(), w.Label6->fontMetrics().horizontalAdvance("-300"));
  EXPECT_EQ(AccelRegisters[2] | AccelRegisters[3] | AccelRegisters[4] | AccelRegisters[5], 0);

  w.ScrollBar4->setValue(-2);
  w.ScrollBar5->setValue(256);
  EXPECT_EQ(w.Label9->text(), "-2");
  EXPECT_EQ(w.Label10->text(), "256");
  EXPECT_EQ(AccelRegisters[2], 0xFE);
  EXPECT_EQ(AccelRegisters[3], 0xFF);
  EXPECT_EQ(AccelRegisters[4], 0);
  EXPECT_EQ(AccelRegisters[5], 1);
}

TEST_F(SensorInputTest, ConverterBarsStoreTheRawCount) {
  TfrmMain& w = *frmMain;
  // The right arrow of the bar, clicked: one count up.
  gui::ClickAt(w.ScrollBar29, QPoint(w.ScrollBar29->width() - 4, 8));
  EXPECT_EQ(w.ScrollBar29->value(), 1);
  EXPECT_EQ(w.Label57->text(), "1");
  EXPECT_EQ(VoltsInput, 1);
  w.ScrollBar29->setFocus();
  gui::Type(Qt::Key_End);
  EXPECT_EQ(w.Label57->text(), "4096");
  EXPECT_EQ(VoltsInput, 4096);
  EXPECT_GE(w.Label57->width(), w.Label57->fontMetrics().horizontalAdvance("4096"));
  w.ScrollBar2->setValue(2384);
  EXPECT_EQ(w.Label1->text(), "2384");
  EXPECT_EQ(OatInput, 2384);
  EXPECT_EQ(CurrentInput, 0);
}

TEST_F(SensorInputTest, CurrentInputIsZeroUntilItsBarFirstMoves) {
  TfrmMain& w = *frmMain;
  EXPECT_EQ(w.ScrollBar1->value(), 2048);
  EXPECT_EQ(w.Label4->text(), "0");
  EXPECT_EQ(CurrentInput, 0);
  w.ScrollBar1->setFocus();
  gui::Type(Qt::Key_Right);
  EXPECT_EQ(w.Label4->text(), "2049");
  EXPECT_EQ(CurrentInput, 2049);
  gui::Type(Qt::Key_Left);
  EXPECT_EQ(CurrentInput, 2048);
}

}  // namespace
