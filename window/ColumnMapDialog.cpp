#include "window/ColumnMapDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "scenario/Scenario.h"

TColumnMapDialog::TColumnMapDialog(QWidget* parent, const QString& file, const TLogHeader& header)
    : QDialog(parent), Names(header.Names) {
  setObjectName("ColumnMap");
  setWindowTitle("Columns of the Log");
  auto* intro = new QLabel(
      QString("Choose the column of %1 that gives the time and each input.").arg(file), this);
  intro->setWordWrap(true);
  auto* form = new QFormLayout;
  for (size_t slot = 0; slot < Boxes.size(); ++slot) {
    const QString title = slot == 0 ? QString("Time") : PanelInputs[slot - 1].Title;
    const std::string& found = slot == 0 ? header.Found.Time : header.Found.Inputs[slot - 1];
    QComboBox* box = Boxes[slot] = new QComboBox(this);
    box->setAccessibleName(title);
    box->addItem("(none)", -1);
    for (size_t i = 0; i < Names.size(); ++i) {
      box->addItem(QString::fromStdString(Printable(Names[i])), static_cast<int>(i));
      if (Names[i] == found) box->setCurrentIndex(box->count() - 1);
    }
    form->addRow(title + ":", box);
  }
  Refusal = new QLabel(this);
  Refusal->setWordWrap(true);
  Refusal->setStyleSheet("color: #b00000; font-weight: bold;");
  Refusal->hide();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TColumnMapDialog::Chosen);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addLayout(form);
  layout->addWidget(Refusal);
  layout->addWidget(buttons);
}

TLogColumns TColumnMapDialog::Columns() const {
  TLogColumns columns;
  columns.Only = true;
  for (size_t slot = 0; slot < Boxes.size(); ++slot) {
    const int i = Boxes[slot]->currentData().toInt();
    if (i < 0) continue;
    (slot == 0 ? columns.Time : columns.Inputs[slot - 1]) = Names[static_cast<size_t>(i)];
  }
  return columns;
}

void TColumnMapDialog::Refuse(const QString& why) {
  Refusal->setText(why);
  Refusal->show();
}
