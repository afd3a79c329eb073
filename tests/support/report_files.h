// Score files, course lines and roster entries for the report and window tests.
#pragma once

#include <string>
#include <vector>

#include "engine/index.h"
#include "store/records.h"
#include "store/scores.h"

namespace qm::test {

inline TScoreRec Score(const std::string& date, const std::string& course, const std::string& total,
                       const std::string& rating, const std::string& slope,
                       const std::string& adj) {
  TScoreRec rec = PlaceholderScoreRec();
  rec.Date = date;
  rec.Course = course;
  rec.ScoreTotal = total;
  rec.Rating = rating;
  rec.Slope = slope;
  rec.AdjScore = adj;
  return rec;
}

// A line of the course file: name, rating, slope, total par, and a par of 4
// on every hole.
inline std::string CourseLine(const std::string& name, const std::string& rating,
                              const std::string& slope, const std::string& par) {
  std::string line = name + "~" + rating + "~" + slope + "~" + par + "~";
  for (int hole = 0; hole < HoleCount; ++hole) line += "4~";
  return line + "\r\n";
}

// Writes the golfer's score file with the scores in the order given.
inline void WriteScores(const std::string& shortName, const std::vector<TScoreRec>& scores) {
  TScoreTable table;
  table.Entries = scores;
  SaveScores(table, shortName + ".qmg");
}

// Scores at rating 72.0 and slope 113, whose differential is the total less
// 72, newest first from 2024-06-01 down.
inline std::vector<TScoreRec> PlainScores(const std::vector<int>& totals) {
  std::vector<TScoreRec> scores;
  int day = 28;
  for (int total : totals) {
    const std::string t = std::to_string(total);
    scores.push_back(Score("202405" + std::to_string(day--), "Pine Ridge", t, "72.0", "113", t));
  }
  return scores;
}

// The lines a report hands over.
class Collected : public ReportSink {
 public:
  void AddLine(const std::string& line) override { Lines.push_back(line); }
  std::vector<std::string> Lines;
};

}  // namespace qm::test
