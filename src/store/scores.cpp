#include "store/scores.h"

#include <utility>
#include <vector>

#include "store/errors.h"
#include "store/fileio.h"
#include "store/text.h"

namespace qm {

namespace {

constexpr int ScoreFieldCount = 45;
constexpr const char* InvalidDate = "99999999";

// The widest line that SaveScores writes from records whose fields keep to
// their widths: every field at full width, each followed by "~". Reading
// keeps that much of a line, so nothing the program wrote is cut off on the
// way back in.
constexpr std::size_t ScoreLineKeep =
    width::Date + width::Course + width::ScoreTotal + width::Rating + width::Slope +
    width::Comment + HoleCount * (width::HoleScore + width::HolePutts) + width::AdjScore +
    width::EntryIndex + width::EntryHandicap + ScoreFieldCount;

// Field number n (1..45, file order) of a record, with its width.
struct FieldRef {
  std::string* text;
  std::size_t width;
};

FieldRef Field(TScoreRec& rec, int n) {
  switch (n) {
    case 1: return {&rec.Date, width::Date};
    case 2: return {&rec.Course, width::Course};
    case 3: return {&rec.ScoreTotal, width::ScoreTotal};
    case 4: return {&rec.Rating, width::Rating};
    case 5: return {&rec.Slope, width::Slope};
    case 6: return {&rec.Comment, width::Comment};
    case 43: return {&rec.AdjScore, width::AdjScore};
    case 44: return {&rec.EntryIndex, width::EntryIndex};
    case 45: return {&rec.EntryHandicap, width::EntryHandicap};
    default: break;
  }
  if (n <= 6 + HoleCount) return {&rec.HoleScore[n - 7], width::HoleScore};
  return {&rec.HolePutts[n - 7 - HoleCount], width::HolePutts};
}

// A six-digit key yymmdd gets its century; anything but eight characters
// then is no date.
std::string DateFromFile(const std::string& text) {
  std::string key = text;
  if (key.size() == 6) key = (static_cast<unsigned char>(key[0]) < '7' ? "20" : "19") + key;
  return key.size() == 8 ? key : std::string(InvalidDate);
}

TScoreRec ParseScoreLine(const std::string& line) {
  TScoreRec rec = PlaceholderScoreRec();
  int tildes = 0;
  std::string text;
  for (char c : line) {
    if (c != '~') {
      text.push_back(c);
      continue;
    }
    ++tildes;
    if (tildes == 1) {
      rec.Date = DateFromFile(text);
    } else {
      FieldRef field = Field(rec, tildes);
      *field.text = CutTo(text, field.width);
    }
    text.clear();
    if (tildes == ScoreFieldCount) return rec;
  }
  // Older files end a line with the comment and no "~" behind it.
  if (tildes == 5 && !text.empty()) rec.Comment = CutTo(text, width::Comment);
  return rec;
}

void CheckFileName(const std::string& fileName) {
  if (!fileio::IsBareFileName(fileName)) ThrowFileFault(FileFault::InvalidName);
}

}  // namespace

TScoreRec PlaceholderScoreRec() {
  TScoreRec rec;
  rec.Date = InvalidDate;
  rec.Course = std::string(width::Course, 'X');
  rec.ScoreTotal = "XXX";
  rec.Rating = "XXXX";
  rec.Slope = "XXX";
  rec.Comment.clear();
  rec.HoleScore.fill("0");
  rec.HolePutts.fill("0");
  rec.AdjScore = "0";
  rec.EntryIndex = "0";
  rec.EntryHandicap = "0";
  return rec;
}

void ClearScoreRec(TScoreTable& table, int n) { table.At(n) = PlaceholderScoreRec(); }

LoadScoresResult LoadScores(TScoreTable& table, const std::string& fileName, bool forEditing) {
  table.Clear();
  CheckFileName(fileName);
  LoadScoresResult result;
  std::vector<std::string> lines;
  int openError = 0;
  if (!fileio::TryReadLines(fileName, ScoreLineKeep, lines, openError)) {
    if (!forEditing) ThrowIoError(openError);
    result.Message = "Error: Golfer score file \"" + fileName + "\" not found.";
    return result;
  }
  table.Entries.reserve(lines.size());
  for (const std::string& line : lines) {
    TScoreRec& rec = table.Entries.emplace_back(ParseScoreLine(line));
    if (forEditing && CutAtNul(rec.ScoreTotal).empty() && !CutAtNul(rec.AdjScore).empty()) {
      rec.ScoreTotal = rec.AdjScore;
      result.Changed = true;
    }
  }
  result.Read = true;
  return result;
}

void SortScores(TScoreTable& table) {
  auto& recs = table.Entries;
  for (std::size_t b = 0; b + 1 < recs.size(); ++b) {
    for (std::size_t e = b + 1; e < recs.size(); ++e) {
      if (CutAtNul(recs[b].Date) < CutAtNul(recs[e].Date)) std::swap(recs[b], recs[e]);
    }
  }
}

void SaveScores(TScoreTable& table, const std::string& fileName) {
  CheckFileName(fileName);
  std::vector<std::string> lines;
  lines.reserve(table.Entries.size());
  for (TScoreRec& rec : table.Entries) {
    std::string line;
    for (int n = 1; n <= ScoreFieldCount; ++n) {
      std::string& text = *Field(rec, n).text;
      text = CutAtNul(text);
      line += fileio::FieldForFile(text);
      line += '~';
    }
    line += "\r\n";
    lines.push_back(std::move(line));
  }
  fileio::ReplaceFile(fileName, lines);
}

bool IsCompleteScore(const TScoreRec& rec) {
  std::string total = CutAtNul(rec.ScoreTotal);
  std::string rating = CutAtNul(rec.Rating);
  std::string slope = CutAtNul(rec.Slope);
  return !total.empty() && total != "0" && !rating.empty() && rating != "0.0" && !slope.empty() &&
         slope != "0" && CutAtNul(rec.Date) != InvalidDate;
}

}  // namespace qm
