// The window and its controls as the form lays them out.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>

#include "GuiSupport.h"
#include "host/Controls.h"
#include "host/DisplayPanel.h"
#include "host/PCMain.h"

namespace {

using WindowLayoutTest = gui::WindowTest;

QRect At(int left, int top, int width, int height) { return QRect(left, top, width, height); }

TEST_F(WindowLayoutTest, FixedCentredWindowWithCloseButtonOnly) {
  TfrmMain& w = *frmMain;
  EXPECT_EQ(w.windowTitle(), "Orlyn AXIM-7 Simulator");
  EXPECT_EQ(w.centralWidget()->size(), QSize(503, 310));
  EXPECT_EQ(w.StatusBar1->size(), QSize(503, 19));
  EXPECT_EQ(w.StatusBar1->geometry().top(), w.centralWidget()->geometry().bottom() + 1);
  EXPECT_EQ(w.StatusBar1->geometry().bottom(), w.height() - 1) << "the status bar ends the client";
  EXPECT_EQ(w.centralWidget()->geometry().top(), w.menuBar()->geometry().bottom() + 1);
  EXPECT_EQ(w.minimumSize(), w.maximumSize());
  EXPECT_TRUE(w.StatusBar1->currentMessage().isEmpty());
  EXPECT_FALSE(w.StatusBar1->isSizeGripEnabled());

  const Qt::WindowFlags flags = w.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);

  const QPoint centre = w.screen()->availableGeometry().center();
  EXPECT_LE(std::abs(w.frameGeometry().center().x() - centre.x()), 1);
  EXPECT_LE(std::abs(w.frameGeometry().center().y() - centre.y()), 1);

  ASSERT_EQ(w.menuBar()->actions().size(), 1);
  EXPECT_EQ(w.File1->title(), "&File");
  EXPECT_EQ(w.File1->actions().front()->text(), "Play Scenario...");
  EXPECT_EQ(w.File1->actions().back(), w.Exit1);
  EXPECT_EQ(w.Exit1->text(), "&Exit");
}

TEST_F(WindowLayoutTest, FaceControlsSitAtTheirPlaces) {
  TfrmMain& w = *frmMain;
  EXPECT_EQ(w.Image1->geometry(), At(0, 0, 241, 249));
  EXPECT_EQ(w.Image2->geometry(), At(52, 192, 33, 33));
  EXPECT_EQ(w.Image3->geometry(), At(154, 192, 33, 33));
  EXPECT_EQ(w.Image8->geometry(), At(100, 196, 41, 41));
  EXPECT_EQ(w.Panel1->geometry(), At(40, 57, 161, 121));
  EXPECT_EQ(w.Display->size(), QSize(161, 121));
  EXPECT_EQ(w.Button3->geometry(), At(64, 232, 33, 25));
  EXPECT_EQ(w.Button4->geometry(), At(144, 232, 33, 25));
  EXPECT_EQ(w.Shape1->geometry(), At(16, 264, 33, 33));
  EXPECT_EQ(w.Button1->geometry(), At(64, 272, 75, 25));
  EXPECT_EQ(w.Button2->geometry(), At(160, 272, 75, 25));
  EXPECT_EQ(w.Button5->geometry(), At(152, 8, 75, 25));
  EXPECT_EQ(w.CheckBox1->geometry(), At(256, 160, 97, 17));

  EXPECT_EQ(w.Button1->text(), "&On");
  EXPECT_EQ(w.Button2->text(), "&Off");
  EXPECT_EQ(w.Button3->text(), "+");
  EXPECT_EQ(w.Button4->text(), "-");
  EXPECT_EQ(w.Button5->text(), "Color Table");
  EXPECT_FALSE(w.Button5->isVisible());
  EXPECT_EQ(w.CheckBox1->text(), "Calibrate");
  EXPECT_TRUE(w.CheckBox1->isChecked());

  EXPECT_EQ(w.Button1->font().pixelSize(), 11);
  EXPECT_FALSE(w.Button1->font().bold());
  for (QPushButton* b : {w.Button3, w.Button4}) {
    EXPECT_TRUE(b->font().bold());
    EXPECT_EQ(b->font().pixelSize(), 16);
  }
  EXPECT_EQ(w.Shape1->BrushColor(), QColor(128, 0, 0));
  EXPECT_EQ(w.Shape1->PenColor(), QColor(128, 0, 0));
  EXPECT_TRUE(w.Timer1->isActive());
  EXPECT_EQ(w.Timer1->interval(), 100);
  EXPECT_TRUE(w.FaceError.isEmpty()) << w.FaceError.toStdString();
  EXPECT_EQ(w.Image1->Picture().width(), w.Image1->Picture().height()) << "a square picture";
}

TEST_F(WindowLayoutTest, LabelsShowTheirCaptionsUnclipped) {
  TfrmMain& w = *frmMain;
  struct {
    QLabel* label;
    QRect place;
    const char* caption;
  } const labels[] = {
      {w.Label55, At(256, 8, 26, 13), "Volts:"},   {w.Label57, At(304, 8, 6, 13), "0"},
      {w.Label2, At(256, 32, 37, 13), "Current:"}, {w.Label4, At(304, 32, 6, 13), "0"},
      {w.Label3, At(256, 56, 25, 13), "OAT:"},     {w.Label1, At(304, 56, 6, 13), "0"},
      {w.Label7, At(256, 80, 35, 13), "X- Axis:"}, {w.Label6, At(304, 80, 6, 13), "0"},
      {w.Label8, At(256, 104, 32, 13), "Y-Axis:"}, {w.Label9, At(304, 104, 6, 13), "0"},
      {w.Label5, At(256, 128, 32, 13), "Z-Axis:"}, {w.Label10, At(304, 128, 6, 13), "0"},
  };
  for (const auto& l : labels) {
    SCOPED_TRACE(l.caption);
    EXPECT_EQ(l.label->text(), l.caption);
    EXPECT_EQ(l.label->pos(), l.place.topLeft());
    EXPECT_EQ(l.label->height(), 13);
    EXPECT_GE(l.label->width(), l.place.width());
    EXPECT_LE(l.label->fontMetrics().horizontalAdvance(l.caption), l.label->width());
    EXPECT_LT(l.label->geometry().right(), 352) << "clear of the scroll bars";
    EXPECT_EQ(l.label->font().pixelSize(), 11);
  }
}

TEST_F(WindowLayoutTest, ScrollBarsStartWithTheirRangesAndPositions) {
  TfrmMain& w = *frmMain;
  struct {
    QScrollBar* bar;
    int top, minimum, maximum, position;
  } const bars[] = {
      {w.ScrollBar29, 8, 0, 4096, 0},    {w.ScrollBar1, 32, 0, 4096, 2048},
      {w.ScrollBar2, 56, 0, 4096, 0},    {w.ScrollBar3, 80, -300, 300, 0},
      {w.ScrollBar4, 104, -300, 300, 0}, {w.ScrollBar5, 128, -300, 300, 0},
  };
  for (const auto& b : bars) {
    SCOPED_TRACE(b.top);
    EXPECT_EQ(b.bar->geometry(), At(352, b.top, 137, 17));
    EXPECT_EQ(b.bar->orientation(), Qt::Horizontal);
    EXPECT_EQ(b.bar->minimum(), b.minimum);
    EXPECT_EQ(b.bar->maximum(), b.maximum);
    EXPECT_EQ(b.bar->value(), b.position);
    EXPECT_EQ(b.bar->singleStep(), 1);
    EXPECT_LE(b.bar->pageStep(), 1);
  }
}

// Tab walks the controls in the form's order; the panel and the hidden
// button take no focus.
TEST_F(WindowLayoutTest, TabWalksTheControlsInOrder) {
  TfrmMain& w = *frmMain;
  w.activateWindow();
  ASSERT_TRUE(gui::WaitFor([&] { return QApplication::activeWindow() == &w; }));
  w.Button1->setFocus();
  const QWidget* expected[] = {w.Button2,    w.Button3,    w.Button4,    w.ScrollBar29,
                               w.ScrollBar2, w.ScrollBar1, w.ScrollBar3, w.ScrollBar4,
                               w.ScrollBar5, w.CheckBox1,  w.Button1};
  for (const QWidget* next : expected) {
    gui::Type(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
  }
}

}  // namespace
