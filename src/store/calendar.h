// The one calendar of the program: the Gregorian calendar check, day
// numbers, and the texts of a date key (yyyymmdd stored, mm/dd/yyyy shown,
// yyyy-mm-dd in spreadsheets). The score entry window's day stepping keeps
// its own, older leap-year rule (engine/scorecard.cpp) on purpose.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm {

struct CivilDate {
  int Year = 0;
  int Month = 0;
  int Day = 0;
};

bool IsGregorianLeapYear(int year);
// 28 to 31; 0 for a month outside 1 to 12.
int DaysInMonth(int year, int month);
// A day of the Gregorian calendar from the year 1 on.
bool IsCalendarDate(int year, int month, int day);

// The date of a yyyymmdd key: eight digits that name a calendar date, else
// nullopt.
std::optional<CivilDate> DateOfKey(std::string_view key);
// Days since 1 March of the year 0: consecutive days have consecutive
// numbers. Expects a calendar date.
int DayNumber(const CivilDate& date);

// "yyyymmdd" and "yyyy-mm-dd" of a calendar date.
std::string DateKey(const CivilDate& date);
std::string IsoDateText(const CivilDate& date);

// yyyymmdd -> mm/dd/yyyy; yymmdd -> mm/dd/19yy (yy from 70) or mm/dd/20yy;
// any other length -> "99/99/9999". Digits are not checked: the stored key
// is shown as it stands.
std::string DateKeyToDisplay(const std::string& key);

// mm/dd/yyyy -> yyyymmdd. Expects exactly that form and checks nothing; a
// text shorter than 10 characters gives the characters that exist.
std::string DisplayDateToKey(const std::string& display);

}  // namespace qm
