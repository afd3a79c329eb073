#include "store/calendar.h"

#include <array>
#include <cstdio>

namespace qm {

bool IsGregorianLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return days[month - 1] + (month == 2 && IsGregorianLeapYear(year) ? 1 : 0);
}

bool IsCalendarDate(int year, int month, int day) {
  return year >= 1 && day >= 1 && day <= DaysInMonth(year, month);
}

std::optional<CivilDate> DateOfKey(std::string_view key) {
  if (key.size() != 8) return std::nullopt;
  int value[3] = {0, 0, 0};
  for (std::size_t i = 0; i < 8; ++i) {
    if (key[i] < '0' || key[i] > '9') return std::nullopt;
    int& part = value[i < 4 ? 0 : i < 6 ? 1 : 2];
    part = part * 10 + (key[i] - '0');
  }
  if (!IsCalendarDate(value[0], value[1], value[2])) return std::nullopt;
  return CivilDate{value[0], value[1], value[2]};
}

int DayNumber(const CivilDate& date) {
  // Counted from March so that the leap day ends a year.
  const int y = date.Month <= 2 ? date.Year - 1 : date.Year;
  const int shifted = date.Month > 2 ? date.Month - 3 : date.Month + 9;
  return 365 * y + y / 4 - y / 100 + y / 400 + (153 * shifted + 2) / 5 + date.Day - 1;
}

std::string DateKey(const CivilDate& date) {
  char key[16];
  std::snprintf(key, sizeof key, "%04d%02d%02d", date.Year, date.Month, date.Day);
  return key;
}

std::string IsoDateText(const CivilDate& date) {
  char text[24];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
  return text;
}

std::string DateKeyToDisplay(const std::string& key) {
  if (key.size() == 8) return key.substr(4, 2) + "/" + key.substr(6, 2) + "/" + key.substr(0, 4);
  if (key.size() == 6) {
    // Character codes, as bytes: a byte above 127 is "7 or higher" too.
    std::string century = static_cast<unsigned char>(key[0]) >= '7' ? "/19" : "/20";
    return key.substr(2, 2) + "/" + key.substr(4, 2) + century + key.substr(0, 2);
  }
  return "99/99/9999";
}

std::string DisplayDateToKey(const std::string& display) {
  auto part = [&](std::size_t from, std::size_t count) {
    return from < display.size() ? display.substr(from, count) : std::string();
  };
  return part(6, 4) + part(0, 2) + part(3, 2);
}

}  // namespace qm
