#include "store/scores.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>
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
void StoreDate(std::string& date, std::string_view text) {
  if (text.size() == 6) {
    date.assign(static_cast<unsigned char>(text[0]) < '7' ? "20" : "19");
    date.append(text);
  } else if (text.size() == 8) {
    date.assign(text);
  } else {
    date.assign(InvalidDate);
  }
}

// The placeholder of field n (1..45), as ClearScoreRec gives it.
std::string_view Placeholder(int n) {
  static const std::string course(width::Course, 'X');
  switch (n) {
    case 1: return InvalidDate;
    case 2: return course;
    case 3: return "XXX";
    case 4: return "XXXX";
    case 5: return "XXX";
    case 6: return {};
    default: return "0";
  }
}

// Where the first (up to) 45 "~" of a line stand; returns how many there
// are. Eight bytes are looked at in one step where the machine allows it.
int FindTildes(std::string_view line, std::size_t (&ends)[ScoreFieldCount]) {
  int found = 0;
  std::size_t i = 0;
  if constexpr (std::endian::native == std::endian::little) {
    constexpr std::uint64_t low7 = 0x7f7f7f7f7f7f7f7fULL;
    constexpr std::uint64_t tildes = 0x7e7e7e7e7e7e7e7eULL;
    for (; i + 8 <= line.size(); i += 8) {
      std::uint64_t word;
      std::memcpy(&word, line.data() + i, 8);
      std::uint64_t x = word ^ tildes;  // a "~" byte becomes 0
      // The high bit of each byte that is 0, and of no other byte.
      std::uint64_t zero = ~(((x & low7) + low7) | x | low7);
      while (zero != 0) {
        ends[found++] = i + static_cast<std::size_t>(std::countr_zero(zero)) / 8;
        if (found == ScoreFieldCount) return found;
        zero &= zero - 1;
      }
    }
  }
  for (; i < line.size(); ++i) {
    if (line[i] == '~') {
      ends[found++] = i;
      if (found == ScoreFieldCount) return found;
    }
  }
  return found;
}

// Fills every field of rec from one line (already cut to ScoreLineKeep):
// field n is the text before the n-th "~", cut to its width; a field the
// line does not end with a "~" keeps its placeholder. Assigning into the
// record's own strings lets a reloaded table reuse their storage.
void ParseScoreLine(std::string_view line, TScoreRec& rec) {
  // ends[n] is where field n + 1 ends, at its "~".
  std::size_t ends[ScoreFieldCount];
  const int tildes = FindTildes(line, ends);
  // A line can still hold a NUL or a lone CR, which no field keeps (see
  // StorableText); the few lines that do take the slower way.
  const bool clean = std::memchr(line.data(), '\0', line.size()) == nullptr &&
                     std::memchr(line.data(), '\r', line.size()) == nullptr;
  std::size_t start = 0;
  int n = 0;  // fields stored so far
  auto assign = [clean](std::string& text, std::string_view from, std::size_t width) {
    if (clean)
      text.assign(from.data(), from.size() < width ? from.size() : width);
    else
      text = StorableText(from, width);
  };
  auto store = [&](std::string& text, std::size_t width) {
    ++n;
    if (n > tildes) {
      std::string_view placeholder = Placeholder(n);
      text.assign(placeholder.data(), placeholder.size());
      return;
    }
    assign(text, line.substr(start, ends[n - 1] - start), width);
    start = ends[n - 1] + 1;
  };

  ++n;
  if (tildes >= 1) {
    if (clean)
      StoreDate(rec.Date, line.substr(0, ends[0]));
    else
      StoreDate(rec.Date, StorableText(line.substr(0, ends[0])));
    start = ends[0] + 1;
  } else {
    rec.Date.assign(InvalidDate);
  }
  store(rec.Course, width::Course);
  store(rec.ScoreTotal, width::ScoreTotal);
  store(rec.Rating, width::Rating);
  store(rec.Slope, width::Slope);
  store(rec.Comment, width::Comment);
  for (std::string& hole : rec.HoleScore) store(hole, width::HoleScore);
  for (std::string& putts : rec.HolePutts) store(putts, width::HolePutts);
  store(rec.AdjScore, width::AdjScore);
  store(rec.EntryIndex, width::EntryIndex);
  store(rec.EntryHandicap, width::EntryHandicap);
  // Older files end a line with the comment and no "~" behind it.
  if (tildes == 5 && start < line.size()) assign(rec.Comment, line.substr(start), width::Comment);
}

// A score file is named by a short name, and "", "." and ".." are no short
// names: ".qmg", "..qmg" and "...qmg" are refused with the rest.
void CheckFileName(const std::string& fileName) {
  const std::string_view ext = ".qmg";
  std::string_view stem = fileName;
  if (stem.size() >= ext.size() && stem.substr(stem.size() - ext.size()) == ext) {
    stem.remove_suffix(ext.size());
  }
  if (!fileio::IsBareFileName(fileName) || !fileio::IsBareFileName(std::string(stem))) {
    ThrowFileFault(FileFault::InvalidName);
  }
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
  LoadScoresResult result;
  std::string bytes;
  int openError = 0;
  try {
    CheckFileName(fileName);
    if (!fileio::TryReadBytes(fileName, bytes, openError)) {
      if (!forEditing) ThrowIoError(openError);
      table.Clear();
      result.Message = "Error: Golfer score file \"" + fileName + "\" not found.";
      return result;
    }
  } catch (...) {
    table.Clear();
    throw;
  }
  std::vector<std::string_view> lines = fileio::SplitLines(bytes, ScoreLineKeep);
  // The records already there are overwritten field by field, so a table
  // loaded again keeps its strings' storage.
  table.Entries.resize(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    TScoreRec& rec = table.Entries[i];
    ParseScoreLine(lines[i], rec);
    if (forEditing && CutAtNul(rec.ScoreTotal).empty() && !CutAtNul(rec.AdjScore).empty()) {
      rec.ScoreTotal = rec.AdjScore;
      result.Changed = true;
    }
  }
  result.Read = true;
  return result;
}

namespace {

// Runs the program's exchanges, for b = 1 .. count - 1 and e = b + 1 ..
// count, "exchange b and e when key b < key e", on the keys and on an array
// of positions alongside them. The records themselves do not move here.
template <class Key>
std::vector<std::size_t> ExchangeOrder(std::vector<Key> keys) {
  const std::size_t count = keys.size();
  std::vector<std::size_t> from(count);
  for (std::size_t i = 0; i < count; ++i) from[i] = i;
  for (std::size_t b = 0; b + 1 < count; ++b) {
    // What stands at b during the pass is held here and written back once.
    Key held = keys[b];
    std::size_t heldFrom = from[b];
    for (std::size_t e = b + 1; e < count; ++e) {
      if (held < keys[e]) {
        std::swap(held, keys[e]);
        std::swap(heldFrom, from[e]);
      }
    }
    keys[b] = held;
    from[b] = heldFrom;
  }
  return from;
}

// A date of at most 8 bytes as one number that orders as the bytes do:
// big-endian, padded with zero bytes. A date cut at its NUL holds no zero
// byte, so a shorter date that begins another still orders first.
bool PackDate(std::string_view date, std::uint64_t& key) {
  if (date.size() > 8) return false;
  key = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    key <<= 8;
    if (i < date.size()) key |= static_cast<unsigned char>(date[i]);
  }
  return true;
}

std::string_view DateOf(const TScoreRec& rec) {
  std::string_view date = rec.Date;
  return date.substr(0, date.find('\0'));
}

}  // namespace

void SortScores(TScoreTable& table) {
  auto& recs = table.Entries;
  const std::size_t count = recs.size();
  if (count < 2) return;
  std::vector<std::uint64_t> packed(count);
  bool allPacked = true;
  for (std::size_t i = 0; i < count && allPacked; ++i) {
    allPacked = PackDate(DateOf(recs[i]), packed[i]);
  }
  std::vector<std::size_t> from;
  if (allPacked) {
    // Newest first already (as every save leaves a file): no exchange fires.
    bool ordered = true;
    for (std::size_t i = 1; i < count && ordered; ++i) ordered = packed[i] <= packed[i - 1];
    if (ordered) return;
    // With no two dates alike only one order is newest first, whatever the
    // exchanges; equal dates need the exchanges themselves.
    from.resize(count);
    for (std::size_t i = 0; i < count; ++i) from[i] = i;
    std::sort(from.begin(), from.end(),
              [&packed](std::size_t a, std::size_t b) { return packed[a] > packed[b]; });
    bool distinct = true;
    for (std::size_t i = 1; i < count && distinct; ++i) {
      distinct = packed[from[i]] != packed[from[i - 1]];
    }
    if (!distinct) from = ExchangeOrder(std::move(packed));
  } else {
    std::vector<std::string_view> dates(count);
    for (std::size_t i = 0; i < count; ++i) dates[i] = DateOf(recs[i]);
    from = ExchangeOrder(std::move(dates));
  }
  // Each record moves once: around each cycle of the order, position i
  // takes the record from position from[i].
  std::vector<bool> placed(recs.size(), false);
  for (std::size_t start = 0; start < recs.size(); ++start) {
    if (placed[start] || from[start] == start) continue;
    TScoreRec held = std::move(recs[start]);
    std::size_t i = start;
    while (from[i] != start) {
      recs[i] = std::move(recs[from[i]]);
      placed[i] = true;
      i = from[i];
    }
    recs[i] = std::move(held);
    placed[i] = true;
  }
}

void SaveScores(TScoreTable& table, const std::string& fileName) {
  CheckFileName(fileName);
  std::vector<std::string> lines;
  lines.reserve(table.Entries.size());
  for (TScoreRec& rec : table.Entries) {
    std::string line;
    // The table keeps what the file gets, so that it matches a reload.
    for (int n = 1; n <= ScoreFieldCount; ++n) {
      std::string& text = *Field(rec, n).text;
      text = StorableText(text);
      line += text;
      line += '~';
    }
    line += "\r\n";
    lines.push_back(std::move(line));
  }
  fileio::ReplaceFile(fileName, lines);
}

void MakeStorable(TScoreRec& rec) {
  for (int n = 1; n <= ScoreFieldCount; ++n) {
    FieldRef field = Field(rec, n);
    *field.text = StorableText(*field.text, field.width);
  }
}

bool IsCompleteScore(const TScoreRec& rec) {
  std::string total = CutAtNul(rec.ScoreTotal);
  std::string rating = CutAtNul(rec.Rating);
  std::string slope = CutAtNul(rec.Slope);
  return !total.empty() && total != "0" && !rating.empty() && rating != "0.0" && !slope.empty() &&
         slope != "0" && CutAtNul(rec.Date) != InvalidDate;
}

}  // namespace qm
