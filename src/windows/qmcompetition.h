// The competition results window: a club's day from the rounds already
// stored. Pick the date and the course; the field is every roster golfer
// with a round there that day, and the results follow the format, the
// allowance, the handicap basis, the divisions and the tie rule chosen
// (engine/competition.h). The card table shows the working behind the
// selected player's row.
//
//   TCompetitionForm::Open();  // golfer list, Activities > Competition Results...
//
// One window at a time (a second opening brings it to the front), not
// modal, placement kept under "CompetitionForm", the settings under
// [Competition] in quillmor.ini. It writes no data file: the score files are
// read once when it opens, and everything else is worked out when a control
// changes.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <string>
#include <vector>

#include "app/competitionfield.h"
#include "engine/competition.h"
#include "store/records.h"
#include "store/strokes.h"

class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QSpinBox;
class QTableWidget;

namespace qm {

class TCompetitionForm : public QMainWindow {
  Q_OBJECT

 public:
  // Brings the open window to the front, or makes and shows one.
  static TCompetitionForm* Open();

  explicit TCompetitionForm(QWidget* parent = nullptr);
  ~TCompetitionForm() override;

  void SettingsChange();
  void ResultsTableSelect();
  void Print1Click();
  void ExportResults1Click();
  void Exit1Click();

  const std::vector<comp::Line>& Sheet() const { return sheet_; }

 private:
  QMenu* File1;
  QAction* Print1;
  QAction* ExportResults1;
  QAction* Exit1;
  QDateEdit* DateField;
  QComboBox* CourseField;
  QComboBox* FormatField;
  QSpinBox* AllowanceField;
  QComboBox* HandicapBasisField;
  QLineEdit* DivisionsField;
  QLabel* DivisionsMessage;
  QComboBox* TiesField;
  QComboBox* FractionsField;
  QCheckBox* ScratchField;
  QTableWidget* ResultsTable;
  QTableWidget* CardTable;
  QLabel* FieldSummary;

  void BuildControls();
  void ReadSettings();
  void WriteSettings() const;
  comp::Settings Chosen();
  std::vector<std::string> Heading() const;
  void ShowCard(int row);

  Club club_;
  TCourseTable courses_;
  TStrokeTable strokes_;
  comp::Course course_;
  comp::Settings settings_;
  std::vector<FieldEntry> field_;
  std::string fieldKey_;  // the day, course and basis field_ was gathered for
  std::vector<comp::Line> sheet_;
  bool filling_ = false;
};

}  // namespace qm
