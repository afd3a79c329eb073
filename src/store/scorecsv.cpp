#include "store/scorecsv.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <utility>

#include "store/calendar.h"
#include "store/errors.h"
#include "store/scores.h"
#include "store/text.h"

namespace qm {

namespace {

enum class Kind { Date, Text, Whole, Decimal };

// One column a round is read from: its name, the field it fills, how its
// text is read and the field's width.
struct Column {
  std::string Name;
  std::string TScoreRec::*Field = nullptr;
  int Hole = -1;       // for the hole columns: the hole, 0-based
  bool Putts = false;  // hole column: putts rather than strokes
  Kind Type = Kind::Text;
  std::size_t Width = 0;
};

// The field of rec (const or not) that column fills.
template <class Rec>
auto& FieldOf(Rec& rec, const Column& column) {
  if (column.Hole >= 0) {
    return column.Putts ? rec.HolePutts[column.Hole] : rec.HoleScore[column.Hole];
  }
  return rec.*column.Field;
}

// The round's columns in export order, Differential and Mark aside.
const std::vector<Column>& RoundColumns() {
  static const std::vector<Column> columns = [] {
    std::vector<Column> c = {
        {"Date", &TScoreRec::Date, -1, false, Kind::Date, width::Date},
        {"Course", &TScoreRec::Course, -1, false, Kind::Text, width::Course},
        {"Score", &TScoreRec::ScoreTotal, -1, false, Kind::Whole, width::ScoreTotal},
        {"Rating", &TScoreRec::Rating, -1, false, Kind::Decimal, width::Rating},
        {"Slope", &TScoreRec::Slope, -1, false, Kind::Whole, width::Slope},
        {"Comment", &TScoreRec::Comment, -1, false, Kind::Text, width::Comment},
    };
    for (int putts = 0; putts < 2; ++putts) {
      for (int h = 0; h < HoleCount; ++h) {
        c.push_back({(putts ? "Putts" : "Hole") + std::to_string(h + 1), nullptr, h, putts == 1,
                     Kind::Whole, putts ? width::HolePutts : width::HoleScore});
      }
    }
    c.push_back({"AGS", &TScoreRec::AdjScore, -1, false, Kind::Whole, width::AdjScore});
    c.push_back(
        {"EntryIndex", &TScoreRec::EntryIndex, -1, false, Kind::Decimal, width::EntryIndex});
    c.push_back(
        {"EntryHandicap", &TScoreRec::EntryHandicap, -1, false, Kind::Whole, width::EntryHandicap});
    return c;
  }();
  return columns;
}

constexpr std::size_t RequiredColumns = 5;  // the first five of RoundColumns

std::string Utf8(const std::string& singleByte) { return Windows1252ToUtf8(CutAtNul(singleByte)); }

// The number of the digits text[from, from + count), or -1 when any is no
// digit.
int Digits(std::string_view text, std::size_t from, std::size_t count) {
  if (from + count > text.size() || count == 0) return -1;
  int value = 0;
  for (std::size_t i = from; i < from + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

// yyyy-mm-dd, or m/d/yyyy with one or two digits for month and day.
std::optional<std::string> ParseDate(std::string_view text) {
  if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
    const int y = Digits(text, 0, 4), m = Digits(text, 5, 2), d = Digits(text, 8, 2);
    if (IsCalendarDate(y, m, d)) return DateKey({y, m, d});
    return std::nullopt;
  }
  const std::size_t slash1 = text.find('/');
  const std::size_t slash2 = slash1 == std::string_view::npos ? slash1 : text.find('/', slash1 + 1);
  if (slash2 == std::string_view::npos || slash1 > 2 || slash2 - slash1 - 1 > 2 ||
      text.size() - slash2 - 1 != 4) {
    return std::nullopt;
  }
  const int m = Digits(text, 0, slash1), d = Digits(text, slash1 + 1, slash2 - slash1 - 1),
            y = Digits(text, slash2 + 1, 4);
  if (IsCalendarDate(y, m, d)) return DateKey({y, m, d});
  return std::nullopt;
}

// A value as a message quotes it: at most 20 characters.
std::string Quoted(const std::string& text) {
  return "\"" + (text.size() > 20 ? text.substr(0, 20) + "..." : text) + "\"";
}

// Where each round column stands in the file's rows (npos: not there).
using ColumnPlaces = std::vector<std::size_t>;

std::string LowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string TrimBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

ColumnPlaces PlaceColumns(const csv::Row& header) {
  const std::vector<Column>& columns = RoundColumns();
  ColumnPlaces places(columns.size(), std::string::npos);
  for (std::size_t i = 0; i < header.size(); ++i) {
    const std::string name = LowerAscii(TrimBlanks(header[i]));
    for (std::size_t k = 0; k < columns.size(); ++k) {
      if (name != LowerAscii(columns[k].Name)) continue;
      if (places[k] != std::string::npos) {
        throw QmError("The file names the column " + columns[k].Name + " twice.");
      }
      places[k] = i;
    }
  }
  std::string missing;
  for (std::size_t k = 0; k < RequiredColumns; ++k) {
    if (places[k] != std::string::npos) continue;
    missing += (missing.empty() ? "" : ", ") + columns[k].Name;
  }
  if (!missing.empty()) {
    throw QmError("The file is not a list of rounds: its first row names no column " + missing +
                  " (it must name Date, Course, Score, Rating and Slope).");
  }
  return places;
}

// Reads one field of a round; returns the refusal, or nothing.
std::optional<std::string> ReadField(const Column& column, const std::string& utf8,
                                     std::string& field) {
  std::string text;
  char32_t bad = 0;
  if (!Utf8ToWindows1252(utf8, text, bad)) {
    return column.Name + " holds a character the score files cannot hold (" + CodePointName(bad) +
           ").";
  }
  switch (column.Type) {
    case Kind::Date: {
      if (std::optional<std::string> key = ParseDate(TrimBlanks(text))) {
        field = *key;
      } else if (text.size() == width::Date) {
        field = text;  // the stored text of a round without a date
      } else {
        return "Date " + Quoted(text) + " is not a date.";
      }
      return std::nullopt;
    }
    case Kind::Text: field = StorableText(text, column.Width); return std::nullopt;
    case Kind::Whole:
    case Kind::Decimal: {
      if (!text.empty()) {
        int whole = 0;
        long double decimal = 0;
        const bool number =
            column.Type == Kind::Whole ? TryStrToInt(text, whole) : TryStrToFloat(text, decimal);
        if (!number) return column.Name + " " + Quoted(text) + " is not a number.";
        if (text.size() > column.Width) {
          return column.Name + " " + Quoted(text) + " is longer than the " +
                 std::to_string(column.Width) + " characters the score files keep.";
        }
      }
      field = text;
      return std::nullopt;
    }
  }
  return std::nullopt;
}

// The round of one data row, or why it gives none.
std::optional<std::string> ReadRound(const csv::Row& row, std::size_t headerFields,
                                     const ColumnPlaces& places, ImportedRound& out) {
  // Spreadsheets may leave empty cells past the last column; a value there
  // is a row out of step with its header.
  for (std::size_t i = headerFields; i < row.size(); ++i) {
    if (!row[i].empty()) {
      return "more fields than the first row names (a comma in a field that is not quoted?).";
    }
  }
  const std::vector<Column>& columns = RoundColumns();
  TScoreRec rec = PlaceholderScoreRec();
  rec.Comment.clear();
  rec.AdjScore.clear();
  for (std::size_t k = 0; k < columns.size(); ++k) {
    if (places[k] == std::string::npos) continue;
    static const std::string none;
    const std::string& value = places[k] < row.size() ? row[places[k]] : none;
    if (auto refusal = ReadField(columns[k], value, FieldOf(rec, columns[k]))) return refusal;
  }
  if (rec.ScoreTotal.empty()) {
    if (rec.AdjScore.empty()) return "no score.";
    rec.ScoreTotal = rec.AdjScore;
  }
  out.NeedsAgs = rec.AdjScore.empty();
  MakeStorable(rec);
  out.Round = std::move(rec);
  return std::nullopt;
}

}  // namespace

std::string ExportDate(const std::string& storedDate) {
  const std::string date = CutAtNul(storedDate);
  if (const std::optional<CivilDate> day = DateOfKey(date)) return IsoDateText(*day);
  return Windows1252ToUtf8(date);
}

csv::Row ScoreCsvHeader() {
  csv::Row header;
  for (const Column& column : RoundColumns()) header.push_back(column.Name);
  header.push_back("Differential");
  header.push_back("Mark");
  return header;
}

csv::Row ScoreCsvRow(const TScoreRec& rec, const std::string& differential,
                     const std::string& mark) {
  csv::Row row;
  for (const Column& column : RoundColumns()) {
    const std::string& field = FieldOf(rec, column);
    row.push_back(column.Type == Kind::Date ? ExportDate(field) : Utf8(field));
  }
  row.push_back(Utf8(TrimSpaces(differential)));
  row.push_back(Utf8(TrimSpaces(mark)));
  return row;
}

csv::Row AllScoresCsvHeader() {
  csv::Row header = {"ShortName", "LongName"};
  const csv::Row round = ScoreCsvHeader();
  header.insert(header.end(), round.begin(), round.end());
  return header;
}

csv::Row AllScoresCsvRow(const TRosterEntry& golfer, const TScoreRec& rec,
                         const std::string& differential, const std::string& mark) {
  csv::Row row = {Utf8(golfer.ShortName), Utf8(golfer.LongName)};
  const csv::Row round = ScoreCsvRow(rec, differential, mark);
  row.insert(row.end(), round.begin(), round.end());
  return row;
}

csv::Row HandicapCsvHeader() {
  return {"LongName", "ShortName", "Sex", "Rounds", "CompleteRounds", "Index"};
}

csv::Row HandicapCsvRow(const TRosterEntry& golfer, bool female, int rounds, int completeRounds,
                        const std::string& index) {
  return {Utf8(golfer.LongName),  Utf8(golfer.ShortName),         female ? "F" : "M",
          std::to_string(rounds), std::to_string(completeRounds), Utf8(TrimSpaces(index))};
}

ScoreCsv ReadScoreCsv(std::string_view bytes) {
  ScoreCsv result;
  bool header = true;
  std::size_t headerFields = 0;
  ColumnPlaces places;
  csv::ReadRows(bytes, [&](csv::LineRow& row) {
    if (header) {
      places = PlaceColumns(row.Fields);
      headerFields = row.Fields.size();
      header = false;
      return;
    }
    ImportedRound round;
    round.Line = row.Line;
    if (auto refusal = ReadRound(row.Fields, headerFields, places, round)) {
      result.Refused.push_back({row.Line, "Line " + std::to_string(row.Line) + ": " + *refusal});
    } else {
      result.Rounds.push_back(std::move(round));
    }
  });
  if (header) throw QmError("The file is empty.");
  if (result.Rounds.empty() && result.Refused.empty()) {
    throw QmError("The file holds no rounds: it has only its first row.");
  }
  return result;
}

ScoreImportPlan PlanScoreImport(const TScoreTable& table, ScoreCsv rows) {
  ScoreImportPlan plan;
  using Key = std::array<std::string, 3>;
  const auto keyOf = [](const TScoreRec& rec) {
    return Key{CutAtNul(rec.Date), CutAtNul(rec.Course), TrimSpaces(CutAtNul(rec.ScoreTotal))};
  };
  std::vector<Key> known;
  known.reserve(table.Entries.size() + rows.Rounds.size());
  for (const TScoreRec& rec : table.Entries) known.push_back(keyOf(rec));
  std::sort(known.begin(), known.end());
  std::vector<Key> added;
  int room = std::max(0, MaxScores - table.Count());
  for (ImportedRound& round : rows.Rounds) {
    const Key key = keyOf(round.Round);
    if (std::binary_search(known.begin(), known.end(), key) ||
        std::find(added.begin(), added.end(), key) != added.end()) {
      plan.Duplicates.push_back(round.Line);
    } else if (room == 0) {
      rows.Refused.push_back(
          {round.Line, "Line " + std::to_string(round.Line) + ": the golfer would have more than " +
                           std::to_string(MaxScores) + " rounds, the most a score file holds."});
    } else {
      --room;
      added.push_back(key);
      plan.Add.push_back(std::move(round));
    }
  }
  plan.Refused = std::move(rows.Refused);
  std::stable_sort(plan.Refused.begin(), plan.Refused.end(),
                   [](const RefusedRow& a, const RefusedRow& b) { return a.Line < b.Line; });
  return plan;
}

std::string ScoreImportSummary(const ScoreImportPlan& plan) {
  const std::size_t adding = plan.Add.size();
  std::string text = adding == 0   ? "No round will be added."
                     : adding == 1 ? "1 round will be added."
                                   : std::to_string(adding) + " rounds will be added.";
  if (!plan.Duplicates.empty()) {
    text += "\nAlready there (same date, course and score), not added: line";
    text += plan.Duplicates.size() > 1 ? "s " : " ";
    constexpr std::size_t listed = 30;
    for (std::size_t i = 0; i < plan.Duplicates.size() && i < listed; ++i) {
      text += (i > 0 ? ", " : "") + std::to_string(plan.Duplicates[i]);
    }
    if (plan.Duplicates.size() > listed) {
      text += " and " + std::to_string(plan.Duplicates.size() - listed) + " more";
    }
    text += ".";
  }
  if (!plan.Refused.empty()) {
    text += "\nNot added:";
    constexpr std::size_t listed = 15;
    for (std::size_t i = 0; i < plan.Refused.size() && i < listed; ++i) {
      text += "\n" + plan.Refused[i].Reason;
    }
    if (plan.Refused.size() > listed) {
      text += "\n... and " + std::to_string(plan.Refused.size() - listed) + " more rows.";
    }
  }
  return text;
}

}  // namespace qm
