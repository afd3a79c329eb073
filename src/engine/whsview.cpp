#include "engine/whsview.h"

#include <algorithm>

#include "store/errors.h"
#include "store/text.h"

namespace qm::whs {

std::string BasisText(AgsBasis basis) {
  switch (basis) {
    case AgsBasis::Holes: return "holes";
    case AgsBasis::Lowest: return "lowest";
    case AgsBasis::Stored: return "stored";
  }
  return "stored";
}

std::string CapText(Cap cap) {
  switch (cap) {
    case Cap::Soft: return "soft";
    case Cap::Hard: return "hard";
    case Cap::None: return "";
  }
  return "";
}

std::array<std::string, 9> RowCells(const Row& row) {
  return {DateKeyToDisplay(row.DateKey),
          CutAtNul(row.Course),
          std::to_string(row.Ags),
          BasisText(row.Basis),
          TenthsText(row.Sd),
          row.Esr != 0 ? TenthsText(row.Esr) : "",
          row.Used ? "*" : "",
          row.IndexAfter ? TenthsText(*row.IndexAfter) : "",
          CapText(row.Applied)};
}

std::array<std::string, 3> CourseCells(const CourseRow& row) {
  return {row.Course, row.Handicap ? std::to_string(*row.Handicap) : "",
          row.NetParTarget ? std::to_string(*row.NetParTarget) : ""};
}

View ViewOf(const TScoreTable& table, const TCourseTable& courses, const TStrokeTable& strokes) {
  View view;
  try {
    view.Result = ReplayWhs(table, courses, strokes);
  } catch (const QmError& error) {
    view.Failure = error.what();
    return view;
  }
  if (!view.Result->Index) return view;
  for (const TCourseRec& course : courses.Entries) {
    CourseRow& row = view.Courses.emplace_back();
    row.Course = CutAtNul(course.CourseName);
    try {
      const int handicap =
          CourseHandicap(*view.Result->Index, course.Rating, course.Slope, course.ParTotal);
      const int par = StrToInt(course.ParTotal);
      row.Handicap = handicap;
      row.NetParTarget = par + handicap;
    } catch (const QmError&) {
      // The course shows no figures; the others still do.
    }
  }
  return view;
}

std::string SummaryText(const View& view) {
  std::string text = "World Handicap System estimate: ";
  if (!view.Result) return text + "none, because " + view.Failure + ".";
  const Estimate& estimate = *view.Result;
  text += estimate.Index ? TenthsText(*estimate.Index) : "no index yet";
  if (estimate.LowIndex) text += "    Low Handicap Index: " + TenthsText(*estimate.LowIndex);
  if (estimate.LastCap != Cap::None)
    text += "    Cap on the last index: " + CapText(estimate.LastCap);
  return text;
}

std::string NoteText(const View& view) {
  std::string text =
      "The estimate leaves out the playing conditions of each day (taken as 0) and 9-hole "
      "rounds, which are not kept.";
  std::vector<std::string> lowest;
  if (view.Result)
    for (auto row = view.Result->Rows.rbegin(); row != view.Result->Rows.rend(); ++row) {
      if (row->Basis != AgsBasis::Lowest) continue;
      const std::string name = CutAtNul(row->Course);
      if (std::none_of(lowest.begin(), lowest.end(),
                       [&](const std::string& seen) { return EqualCaseBlind(seen, name); }))
        lowest.push_back(name);
    }
  if (lowest.empty()) return text;
  std::string names = lowest.front();
  for (std::size_t i = 1; i < lowest.size(); ++i)
    names += (i + 1 < lowest.size() ? ", " : " and ") + lowest[i];
  return text +
         " Rounds marked \"lowest\" count the lowest adjusted gross score their holes allow; "
         "the stroke indexes of " +
         names + " (course list, Edit > Stroke Index...) would make them exact.";
}

}  // namespace qm::whs
