#include "app/clock.h"

namespace qm {

namespace {

QDate& FixedDay() {
  static QDate day;
  return day;
}

}  // namespace

QDate Today() { return FixedDay().isValid() ? FixedDay() : QDate::currentDate(); }

QString TodayDisplay() { return Today().toString(QStringLiteral("MM/dd/yyyy")); }

QDateTime Now() { return QDateTime(Today(), QTime::currentTime()); }

void SetTodayForTests(const QDate& day) { FixedDay() = day; }

}  // namespace qm
