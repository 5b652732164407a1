// A tool window beside the main window that shows the firmware's state
// live: the page, inputs, readings, alarms, time, the records and the flight
// log. Settings, calibration and inputs can be edited in place.
#pragma once
#include <QElapsedTimer>
#include <QWidget>
#include <vector>

#include "window/StateRows.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class TInstrumentWindow;

class TStateWindow : public QWidget {
  Q_OBJECT
 public:
  explicit TStateWindow(TInstrumentWindow* main);

  QTreeWidget* Tree;
  QLineEdit* Filter;
  QLabel* Message;  // the outcome of the last edit

  // The item of a field by its name, null when there is none.
  QTreeWidgetItem* ItemOf(const QString& name) const;
  // Writes a typed value to a field as an edit in place does; returns false
  // (and shows why) when the value is refused.
  bool Edit(const QString& name, const QString& text);
  // Times the rows were read since the window was made.
  unsigned long RefreshCount() const { return Refreshes; }

 signals:
  void Closed();

 public slots:
  // Reads every row again; called for each presented frame.
  void Refresh();
  void CopyValue();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class TStateDelegate;
  struct TShownRow {
    TStateRow Row;
    QTreeWidgetItem* Item;
    qint64 FlashUntil = 0;
  };

  void StateAdvanced();
  void ApplyFilter();
  void Fade();
  void ShowOutcome(const QString& text, bool refused);
  void PlaceBesideMain();
  TShownRow* RowOf(const QTreeWidgetItem* item);
  void MeasureColumns();
  void FitColumns();

  TInstrumentWindow* Main;
  std::vector<TShownRow> Rows;
  QTreeWidgetItem* Editing = nullptr;
  QTimer* FadeTimer;
  QTimer* Catchup;
  QElapsedTimer Clock;
  qint64 LastRefresh = -1'000'000;
  unsigned long Refreshes = 0;
  bool Placed = false;
  bool Filled = false;     // the first reading flashes nothing
  int Widest[3] = {};      // each column's width for its widest text
  int WidestText[3] = {};  // the widest text itself
  bool Remeasure = false;
};

// Adds "Inspector" (Ctrl+I) to the View menu; it shows and hides the one
// inspector of the main window.
QAction* AddInspectorAction(TInstrumentWindow* main, QMenu* view);
