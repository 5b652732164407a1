#include "window/StateWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "host/FrontPanel.h"
#include "host/InstrumentWindow.h"

namespace {

constexpr int NameColumn = 0;
constexpr int ValueColumn = 1;
constexpr int ShownColumn = 2;
constexpr int RowRole = Qt::UserRole;  // index into the rows, on the name column
constexpr qint64 FlashMs = 800;
const QColor FlashColour(255, 214, 102);

// The window's bar follows an input written by name (the window hears it
// from the panel); a count the bar cannot take leaves the bar where it is.
QString BarNote(TInstrumentWindow* main, const QString& name) {
  const TField* edited = FindField(name.toUtf8().constData());
  for (uint8_t i = 0; i < PanelSensorCount && edited != nullptr; ++i) {
    const TField* own = FindField(PanelInputs[i].Field);
    // An axis is written by either of its two bytes.
    const bool axis = static_cast<TPanelInput>(i) >= TPanelInput::X;
    if (edited->Address != own->Address &&
        !(axis && edited->Address == static_cast<uint8_t*>(own->Address) + 1))
      continue;
    const int32_t value = PanelInputValue(static_cast<TPanelInput>(i));
    QScrollBar* bar = main->SensorBars()[i];
    if (value >= bar->minimum() && value <= bar->maximum()) return {};
    return QString(" (%1 is beyond the %2 scroll bar's range %3..%4; the bar stays)")
        .arg(value)
        .arg(bar->objectName())
        .arg(bar->minimum())
        .arg(bar->maximum());
  }
  return {};
}

}  // namespace

// Edits the value column in place; what is typed goes through the row's
// writer, never straight into the tree.
class TStateDelegate : public QStyledItemDelegate {
 public:
  explicit TStateDelegate(TStateWindow* window) : QStyledItemDelegate(window), Window(window) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex& index) const override {
    TStateWindow::TShownRow* row = RowAt(index);
    if (index.column() != ValueColumn || row == nullptr || !row->Row.Write) return nullptr;
    Window->Editing = row->Item;
    return new QLineEdit(parent);
  }
  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    static_cast<QLineEdit*>(editor)->setText(index.data().toString());
  }
  void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
    if (TStateWindow::TShownRow* row = RowAt(index)) {
      Window->Editing = nullptr;
      Window->Edit(row->Row.Name, static_cast<QLineEdit*>(editor)->text());
    }
  }
  void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
    Window->Editing = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
  }

 private:
  TStateWindow::TShownRow* RowAt(const QModelIndex& index) const {
    const QVariant i = index.siblingAtColumn(NameColumn).data(RowRole);
    return i.isValid() ? &Window->Rows[i.toUInt()] : nullptr;
  }
  TStateWindow* Window;
};

TStateWindow::TStateWindow(TInstrumentWindow* main) : QWidget(main, Qt::Tool), Main(main) {
  setObjectName("Inspector");
  setWindowTitle("Inspector");
  Clock.start();

  Filter = new QLineEdit(this);
  Filter->setPlaceholderText("Find fields by name");
  Filter->setClearButtonEnabled(true);
  connect(Filter, &QLineEdit::textChanged, this, &TStateWindow::ApplyFilter);

  Tree = new QTreeWidget(this);
  Tree->setColumnCount(3);
  Tree->setHeaderLabels({"Field", "Value", "As shown"});
  Tree->setUniformRowHeights(true);
  Tree->setIndentation(14);
  Tree->setAlternatingRowColors(true);
  Tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Tree->setItemDelegate(new TStateDelegate(this));
  // The columns follow what they hold (FitColumns); in a narrow window the
  // names give way, elided in the middle, their tool tips whole.
  Tree->header()->setStretchLastSection(true);
  Tree->header()->setResizeContentsPrecision(-1);
  Tree->setTextElideMode(Qt::ElideMiddle);

  Message = new QLabel(this);
  Message->setWordWrap(true);
  Message->setText("Double-click a value of Settings, Calibration or Inputs to change it.");

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(Filter);
  layout->addWidget(Tree, 1);
  layout->addWidget(Message);

  std::vector<QTreeWidgetItem*> groups;
  for (const QString& group : InspectorGroups()) {
    groups.push_back(new QTreeWidgetItem(Tree, {group}));
    QFont bold = groups.back()->font(NameColumn);
    bold.setBold(true);
    groups.back()->setFont(NameColumn, bold);
  }
  for (TStateRow& row : InspectorRows()) {
    const auto group = std::find(InspectorGroups().begin(), InspectorGroups().end(), row.Group);
    // A record's fields under the record's own group go without its name.
    const QString prefix = row.Group + ".";
    const QString shortName = row.Name.startsWith(prefix) ? row.Name.mid(prefix.size()) : row.Name;
    auto* item = new QTreeWidgetItem(groups[group - InspectorGroups().begin()], {shortName});
    item->setData(NameColumn, RowRole, static_cast<uint>(Rows.size()));
    item->setToolTip(NameColumn, row.Name);
    if (row.Write) {
      item->setFlags(item->flags() | Qt::ItemIsEditable);
      item->setToolTip(ValueColumn, "Double-click to change");
    }
    Rows.push_back({std::move(row), item});
  }
  Tree->expandAll();
  connect(Tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    if (const TShownRow* row = RowOf(item); row && row->Row.Write)
      Tree->editItem(item, ValueColumn);
  });

  // The menu names the key; the list itself takes it (eventFilter), so no
  // second Ctrl+C shortcut competes with the main window's.
  auto* copy = new QAction(
      "Copy Value\t" + QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText), Tree);
  connect(copy, &QAction::triggered, this, &TStateWindow::CopyValue);
  auto* copyName = new QAction("Copy Name", Tree);
  connect(copyName, &QAction::triggered, this, [this] {
    if (const TShownRow* row = RowOf(Tree->currentItem()))
      QApplication::clipboard()->setText(row->Row.Name);
  });
  Tree->addActions({copy, copyName});
  Tree->setContextMenuPolicy(Qt::ActionsContextMenu);
  // Ctrl+C is also the main window's "Copy Display"; in the list it copies
  // the value, so the list claims the key before any shortcut sees it.
  Tree->installEventFilter(this);
  // The room for the columns is the list's inside, which a scroll bar narrows.
  Tree->viewport()->installEventFilter(this);

  FadeTimer = new QTimer(this);
  FadeTimer->setInterval(100);
  connect(FadeTimer, &QTimer::timeout, this, &TStateWindow::Fade);
  Catchup = new QTimer(this);
  Catchup->setSingleShot(true);
  connect(Catchup, &QTimer::timeout, this, &TStateWindow::Refresh);

  // The first reading fills the tree without flashing anything.
  Refresh();
  Filled = true;
  MeasureColumns();
  resize(Widest[NameColumn] + Widest[ValueColumn] + Widest[ShownColumn] + 60, 640);
}

void TStateWindow::MeasureColumns() {
  for (int column : {ValueColumn, ShownColumn}) {
    WidestText[column] = 0;
    for (const TShownRow& row : Rows)
      WidestText[column] =
          qMax(WidestText[column], Tree->fontMetrics().horizontalAdvance(row.Item->text(column)));
  }
  // Measured unstretched: a stretched last column is as wide as the room.
  Tree->header()->setStretchLastSection(false);
  for (int column : {NameColumn, ValueColumn, ShownColumn}) {
    Tree->resizeColumnToContents(column);
    Widest[column] = Tree->columnWidth(column);
  }
  Tree->header()->setStretchLastSection(true);
  FitColumns();
}

// Every column as wide as its widest text when the window has the room;
// otherwise the values and what the instrument shows stay whole and the
// names take what is left, never less than a few letters.
void TStateWindow::FitColumns() {
  const int room = Tree->viewport()->width();
  const int least = fontMetrics().horizontalAdvance("MenuSt…") + 2 * Tree->indentation();
  const int others = Widest[ValueColumn] + Widest[ShownColumn];
  Tree->setColumnWidth(NameColumn, qMax(qMin(Widest[NameColumn], room - others), least));
  Tree->setColumnWidth(ValueColumn, Widest[ValueColumn]);
}

TStateWindow::TShownRow* TStateWindow::RowOf(const QTreeWidgetItem* item) {
  if (item == nullptr) return nullptr;
  const QVariant i = item->data(NameColumn, RowRole);
  return i.isValid() ? &Rows[i.toUInt()] : nullptr;
}

QTreeWidgetItem* TStateWindow::ItemOf(const QString& name) const {
  for (const TShownRow& row : Rows)
    if (row.Row.Name == name) return row.Item;
  return nullptr;
}

void TStateWindow::showEvent(QShowEvent* event) {
  if (!Placed) PlaceBesideMain();
  connect(Main, &TInstrumentWindow::StateAdvanced, this, &TStateWindow::StateAdvanced,
          Qt::UniqueConnection);
  Refresh();
  QWidget::showEvent(event);
}

void TStateWindow::hideEvent(QHideEvent* event) {
  disconnect(Main, &TInstrumentWindow::StateAdvanced, this, nullptr);
  Catchup->stop();
  FadeTimer->stop();
  QWidget::hideEvent(event);
  emit Closed();
}

// Beside the main window on the side with more room, top edges level. On a
// small screen it narrows to the room there, but never below a usable width:
// then it keeps to the screen's edge and covers part of the main window.
void TStateWindow::PlaceBesideMain() {
  Placed = true;
  const QRect main = Main->frameGeometry();
  const QRect screen = Main->screen()->availableGeometry();
  const int gap = 8;
  const int frame = main.width() - Main->width();
  const int titleBar = main.height() - Main->height();
  const int right = screen.right() - main.right() - gap;
  const int left = main.left() - screen.left() - gap;
  const int usable = qMin(width(), fontMetrics().horizontalAdvance('M') * 30);
  const int w = qMin(qMax(qMax(left, right) - frame, usable), width());
  const int h = qMin(height(), screen.height() - titleBar);
  resize(w, h);
  FitColumns();
  const int x = right >= left ? qMin(main.right() + gap, screen.right() - w - frame)
                              : qMax(main.left() - gap - w - frame, screen.left());
  const int y = qMax(qMin(main.top(), screen.bottom() - h - titleBar), screen.top());
  move(x, y);
}

// Passes may come faster than the screen shows them (the display panel's
// refresh without a vertical sync); the rows are read at most once per
// screen refresh, and the last state of a burst is always read.
void TStateWindow::StateAdvanced() {
  const qreal rate = screen() ? screen()->refreshRate() : 60.0;
  const qint64 interval = qMax<qint64>(1, qRound(1000.0 / (rate > 1 ? rate : 60.0)));
  const qint64 since = Clock.elapsed() - LastRefresh;
  if (since >= interval)
    Refresh();
  else if (!Catchup->isActive())
    Catchup->start(static_cast<int>(interval - since));
}

void TStateWindow::Refresh() {
  ++Refreshes;
  const qint64 now = Clock.elapsed();
  LastRefresh = now;
  Catchup->stop();
  for (TShownRow& row : Rows) {
    if (row.Item == Editing) continue;
    const QString value = row.Row.Value();
    const QString shown = row.Row.Shown ? row.Row.Shown() : QString();
    if (row.Item->text(ValueColumn) == value && row.Item->text(ShownColumn) == shown) continue;
    row.Item->setText(ValueColumn, value);
    row.Item->setText(ShownColumn, shown);
    if (!Filled) continue;
    // A text wider than any before widens its column.
    for (const auto& [column, text] : {std::pair{ValueColumn, value}, {ShownColumn, shown}})
      if (Tree->fontMetrics().horizontalAdvance(text) > WidestText[column]) Remeasure = true;
    if (row.FlashUntil == 0)
      for (int column : {ValueColumn, ShownColumn}) row.Item->setBackground(column, FlashColour);
    row.FlashUntil = now + FlashMs;
  }
  if (Remeasure) {
    Remeasure = false;
    MeasureColumns();
  }
  if (!FadeTimer->isActive() && isVisible()) FadeTimer->start();
}

void TStateWindow::Fade() {
  const qint64 now = Clock.elapsed();
  bool flashing = false;
  for (TShownRow& row : Rows) {
    if (row.FlashUntil == 0) continue;
    if (row.FlashUntil > now) {
      flashing = true;
      continue;
    }
    row.FlashUntil = 0;
    for (int column : {ValueColumn, ShownColumn})
      row.Item->setData(column, Qt::BackgroundRole, QVariant());
  }
  if (!flashing) FadeTimer->stop();
}

void TStateWindow::ApplyFilter() {
  const QString text = Filter->text().trimmed();
  for (int g = 0; g < Tree->topLevelItemCount(); ++g) {
    QTreeWidgetItem* group = Tree->topLevelItem(g);
    const bool whole = group->text(NameColumn).contains(text, Qt::CaseInsensitive);
    bool any = false;
    for (int i = 0; i < group->childCount(); ++i) {
      QTreeWidgetItem* item = group->child(i);
      const bool shown = whole || item->toolTip(NameColumn).contains(text, Qt::CaseInsensitive);
      item->setHidden(!shown);
      any = any || shown;
    }
    group->setHidden(!any);
  }
}

bool TStateWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Tree->viewport() && event->type() == QEvent::Resize) FitColumns();
  if (watched != Tree ||
      (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress))
    return QWidget::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (!key->matches(QKeySequence::Copy)) return false;
  event->accept();
  if (event->type() == QEvent::KeyPress) CopyValue();
  return event->type() == QEvent::KeyPress;
}

void TStateWindow::CopyValue() {
  if (const TShownRow* row = RowOf(Tree->currentItem()))
    QApplication::clipboard()->setText(row->Item->text(ValueColumn));
}

bool TStateWindow::Edit(const QString& name, const QString& text) {
  TShownRow* row = nullptr;
  for (TShownRow& r : Rows)
    if (r.Row.Name == name) row = &r;
  if (row == nullptr) {
    ShowOutcome(QString("There is no field named %1; nothing written.").arg(name), true);
    return false;
  }
  if (!row->Row.Write) {
    ShowOutcome(QString("%1 is read-only; nothing written.").arg(name), true);
    return false;
  }
  const QString refused = row->Row.Write(text.trimmed());
  if (!refused.isEmpty()) {
    ShowOutcome(refused, true);
    return false;
  }
  const QString note = BarNote(Main, name);
  ShowOutcome(QString("%1 set to %2; the next pass uses it.%3").arg(name, text.trimmed(), note),
              false);
  Refresh();
  return true;
}

void TStateWindow::ShowOutcome(const QString& text, bool refused) {
  Message->setText(text);
  Message->setStyleSheet(refused ? "color: #b00000; font-weight: bold;" : QString());
}

QAction* AddInspectorAction(TInstrumentWindow* main, QMenu* view) {
  QAction* action = view->addAction("Inspector");
  action->setObjectName("Inspector1");
  action->setShortcut(QKeySequence("Ctrl+I"));
  action->setShortcutContext(Qt::ApplicationShortcut);
  action->setCheckable(true);
  QObject::connect(action, &QAction::toggled, main, [main, action](bool on) {
    auto* inspector = main->findChild<TStateWindow*>();
    if (inspector == nullptr && !on) return;
    if (inspector == nullptr) {
      inspector = new TStateWindow(main);
      // Closing the window by its title bar unticks the menu item.
      QObject::connect(inspector, &TStateWindow::Closed, action,
                       [action] { action->setChecked(false); });
    }
    if (inspector->isVisible() != on) inspector->setVisible(on);
  });
  return action;
}
