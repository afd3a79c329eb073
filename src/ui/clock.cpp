#include "ui/clock.h"

namespace qm {

namespace {

QDate& FixedDay() {
  static QDate day;
  return day;
}

}  // namespace

QDate Today() { return FixedDay().isValid() ? FixedDay() : QDate::currentDate(); }

void SetTodayForTests(const QDate& day) { FixedDay() = day; }

}  // namespace qm
