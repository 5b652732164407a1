// "Columns of the log": which header of a flight log gives the time and each
// sensor input, chosen by hand when the usual names do not find them all, as
// a scenario's play-log columns name them.
#pragma once
#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "scenario/FlightLog.h"

class QComboBox;
class QLabel;

class TColumnMapDialog : public QDialog {
  Q_OBJECT
 public:
  // The header's names in each box, prefilled with those recognised.
  TColumnMapDialog(QWidget* parent, const QString& file, const TLogHeader& header);

  // The time first, then the inputs in the order of TPanelInput.
  std::array<QComboBox*, 1 + PanelSensorCount> Boxes;
  QLabel* Refusal;  // why the last mapping was refused, else hidden

  // Exactly the columns chosen: "(none)" gives none.
  TLogColumns Columns() const;
  void Refuse(const QString& why);

 signals:
  // OK was pressed; the dialog stays until accepted.
  void Chosen();

 private:
  std::vector<std::string> Names;
};
