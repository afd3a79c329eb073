// Today's date, from one clock that tests can set.
//
//   const QDate today = Today();
//   SetTodayForTests(QDate(2024, 6, 14));   // a test's fixed day
//   SetTodayForTests(QDate());              // the system clock again
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace qm {

// The system's date, or the day a test set.
QDate Today();
// Today as the windows and reports show a date: mm/dd/yyyy.
QString TodayDisplay();
// The time now, on Today() (for names that carry the time).
QDateTime Now();

// From now on Today() gives day; an invalid QDate gives the system clock
// back.
void SetTodayForTests(const QDate& day);

}  // namespace qm
