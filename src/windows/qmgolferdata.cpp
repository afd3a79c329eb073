// The golfer scores window's spreadsheet files: File, Export Scores and
// File, Import Scores (see qmgolfer.h).
#include <QDir>
#include <QLineEdit>
#include <algorithm>

#include "app/dataexport.h"
#include "engine/golfer.h"
#include "engine/insight.h"
#include "engine/numeric.h"
#include "engine/scorecard.h"
#include "store/courses.h"
#include "store/csv.h"
#include "store/scorecsv.h"
#include "store/scores.h"
#include "store/text.h"
#include "ui/prompts.h"
#include "ui/textconv.h"
#include "windows/qmgolfer.h"

namespace qm {

namespace {

// The course of the list a round names, as the score entry window selects
// it when it opens for a round; null when the list has none.
const TCourseRec* CourseNamed(const TCourseTable& courses, const std::string& name) {
  const int n = FindCourse(courses, name);
  return n == 0 ? nullptr : &courses.At(n);
}

}  // namespace

void TGolferForm::ExportScores1Click() {
  const std::vector<int> used = CalcIndex(scores_, Request()).UsedScores;
  std::vector<csv::Row> rows = {ScoreCsvHeader()};
  rows.reserve(static_cast<std::size_t>(scores_.Count()) + 1);
  for (int n = 1; n <= scores_.Count(); ++n) {
    const TScoreRec& round = scores_.At(n);
    rows.push_back(ScoreCsvRow(round, FormatTenths(ListedDifferential(round)),
                               std::string(1, RoundMark(n, used, round))));
  }
  ExportRows(QStringLiteral("Export Scores"),
             FromBytes(ShortName()) + QStringLiteral(" scores.csv"), rows,
             QStringLiteral("Wrote %1 to %2.")
                 .arg(CountOf(scores_.Count(), QStringLiteral("round"), QStringLiteral("rounds")),
                      QStringLiteral("%1")));
}

void TGolferForm::ImportScores1Click() {
  if (editing_) return;
  const QString path =
      CurrentPrompts().OpenFileName(QStringLiteral("Import Scores"), DataFolder(), CsvFilter());
  if (path.isEmpty()) return;
  // The file is only read; a file refused whole throws its one message.
  ScoreImportPlan plan =
      PlanScoreImport(scores_, ReadScoreCsv(csv::ReadFileBytes(LocalPath(path))));

  // A row without an AGS gets the one the score entry window would give
  // it: the course list as it is now, the golfer's index as shown.
  const bool needsCourses = std::any_of(plan.Add.begin(), plan.Add.end(),
                                        [](const ImportedRound& r) { return r.NeedsAgs; });
  TCourseTable courses;
  if (needsCourses) {
    // A sample list that cannot be renamed leaves the list empty; the score
    // entry window tells the user of that when it opens.
    LoadCourses(courses);
    SortCourses(courses);
  }
  const std::string index = ToBytes(IndexField->text());
  for (ImportedRound& row : plan.Add) {
    if (!row.NeedsAgs) continue;
    row.Round.AdjScore = ImportedAdjScore(row.Round, CourseNamed(courses, row.Round.Course), index);
    MakeStorable(row.Round);
  }

  const QString summary = FromBytes(ScoreImportSummary(plan));
  if (plan.Add.empty()) {
    CurrentPrompts().Message(summary);
    return;
  }
  const QString question =
      summary + QStringLiteral("\n\nAdd %1 to the scores of %2?")
                    .arg(CountOf(static_cast<int>(plan.Add.size()), QStringLiteral("round"),
                                 QStringLiteral("rounds")),
                         GolferName2->text());
  if (!CurrentPrompts().ConfirmYesNo(question)) return;
  StateRestorer before = State();
  for (ImportedRound& row : plan.Add) scores_.Entries.push_back(std::move(row.Round));
  SortScores(scores_);
  Recorded(QStringLiteral("Import Scores"), std::move(before));
  Refresh(0);
}

}  // namespace qm
