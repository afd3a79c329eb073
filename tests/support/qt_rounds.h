// For tests of the windows that store rounds: score file lines, the course
// file, and a round typed into the score entry window as a user types it.
#pragma once

#include <QComboBox>
#include <QTest>
#include <cstdio>
#include <string>

#include "support/qt_maint.h"
#include "support/qt_support.h"
#include "windows/qmscore.h"
#include "windows/qmscorefields.h"

namespace qm::test {

// OAK HILL: rating 70.0, slope 113 (a differential is the score less 70);
// PINE RIDGE: 72.0 and 140.
inline const char* kTwoCourses =
    "OAK HILL~70.0~113~72~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~\r\n"
    "PINE RIDGE~72.0~140~72~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~4~\r\n";

// One line of a score file: no hole scores, no comment.
inline std::string ScoreLine(const std::string& date, const std::string& total,
                             const std::string& adj, const std::string& rating = "70.0",
                             const std::string& slope = "113",
                             const std::string& course = "OAK HILL",
                             const std::string& entryIndex = "0") {
  std::string line = date + "~" + course + "~" + total + "~" + rating + "~" + slope + "~~";
  for (int i = 0; i < 36; ++i) line += "0~";
  return line + adj + "~" + entryIndex + "~0~\r\n";
}

// count complete rounds at OAK HILL, one a day from 2001-01-01 on, each
// with the gross and adjusted score given.
inline std::string Rounds(int count, const std::string& total = "90",
                          const std::string& adj = "90") {
  std::string file;
  for (int i = 0; i < count; ++i) {
    char date[16];
    std::snprintf(date, sizeof date, "2001%02d%02d", 1 + i / 28, 1 + i % 28);
    file += ScoreLine(date, total, adj);
  }
  return file;
}

// The course of line (0-based) picked with the keys, as the user does.
inline void PickCourse(TScoreForm* form, int line) {
  QComboBox* courses = Control<QComboBox>(form, "CourseField");
  Focus(courses);
  courses->setCurrentIndex(-1);
  for (int i = 0; i <= line; ++i) QTest::keyClick(courses, Qt::Key_Down);
}

// A total typed into the open score entry window, then OK: the window hides
// and its opener becomes active again.
inline void ConfirmTotal(TScoreForm* form, const QString& total) {
  TypeInto(Control<QLineEdit>(form, "ScoreTotal"), total);
  Click(Control<QPushButton>(form, "OKButton"));
}

}  // namespace qm::test
