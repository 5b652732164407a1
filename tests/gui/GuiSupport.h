// The real simulator window under a virtual X server: creating it, waiting
// for passes, clicking and typing through the window system, and reading
// back what the screen shows.
#pragma once
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <functional>

#include "window/Assembly.h"

class QWidget;

namespace gui {

// A fresh program for each test: the instrument's records as at program
// start and a new main window with its tools, shown and exposed.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// The tools of the window made for the present test.
const TWindowTools& Tools();

// Processes events until the condition holds or the time runs out.
bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000);
// Lets the window run the given number of passes.
bool WaitPasses(unsigned long count);
// Processes events for a while.
void Settle(int ms = 100);

// A left click at a point of a widget, delivered through the window system
// so that the control under the point receives it.
void ClickAt(QWidget* widget, QPoint point);
void Click(QWidget* widget);
// A key typed into the window, delivered to the focused control.
void Type(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The X pointer: moves it over a widget point and presses button 1..5 (4 and
// 5 are the wheel) through xdotool, as a real mouse would.
bool PointerClick(QWidget* widget, QPoint point, int button);
// Moves the X pointer over a widget point and leaves it there.
bool PointerMove(QWidget* widget, QPoint point);

// What the screen shows over a widget, in device pixels.
QImage Grab(QWidget* widget);
// The display panel's pixels after presenting the frame buffer as it stands
// (the instrument being off, nothing overwrites it).
QImage PresentAndGrab();
QColor ColourAt(const QImage& image, int x, int y);
// Device pixels per panel pixel in the grabbed image.
int Ratio(const QImage& image);

}  // namespace gui
