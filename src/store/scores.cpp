#include "store/scores.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "store/datafiles.h"
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

// The fields of a record in file order: field n (1..45) at [n - 1].
using FieldList = std::array<std::string*, ScoreFieldCount>;

FieldList Fields(TScoreRec& rec) {
  FieldList fields;
  fields[0] = &rec.Date;
  fields[1] = &rec.Course;
  fields[2] = &rec.ScoreTotal;
  fields[3] = &rec.Rating;
  fields[4] = &rec.Slope;
  fields[5] = &rec.Comment;
  for (int h = 0; h < HoleCount; ++h) {
    fields[6 + h] = &rec.HoleScore[h];
    fields[6 + HoleCount + h] = &rec.HolePutts[h];
  }
  fields[42] = &rec.AdjScore;
  fields[43] = &rec.EntryIndex;
  fields[44] = &rec.EntryHandicap;
  return fields;
}

// The widths of fields 1..45, at [0..44].
constexpr std::array<std::size_t, ScoreFieldCount> FieldWidths = [] {
  std::array<std::size_t, ScoreFieldCount> widths{};
  widths[0] = width::Date;
  widths[1] = width::Course;
  widths[2] = width::ScoreTotal;
  widths[3] = width::Rating;
  widths[4] = width::Slope;
  widths[5] = width::Comment;
  for (int h = 0; h < HoleCount; ++h) {
    widths[6 + h] = width::HoleScore;
    widths[6 + HoleCount + h] = width::HolePutts;
  }
  widths[42] = width::AdjScore;
  widths[43] = width::EntryIndex;
  widths[44] = width::EntryHandicap;
  return widths;
}();

// Sets text to the bytes at from. Most fields of a table loaded again keep
// their length, and those are written over without a call into the
// string's own code: that call, 45 times a line, was most of the reading.
void SetText(std::string& text, const char* from, std::size_t length) {
  if (text.size() == length) {
    char* to = text.data();
    for (std::size_t i = 0; i < length; ++i) to[i] = from[i];
  } else {
    text.assign(from, length);
  }
}

// A six-digit key yymmdd gets its century; anything but eight characters
// then is no date.
void StoreDate(std::string& date, std::string_view text) {
  if (text.size() == 6) {
    date.assign(static_cast<unsigned char>(text[0]) < '7' ? "20" : "19");
    date.append(text);
  } else if (text.size() == 8) {
    SetText(date, text.data(), 8);
  } else {
    SetText(date, InvalidDate, 8);
  }
}

// The date of a line whose first "~" stands at firstTilde (npos: none);
// clean says the text before it holds neither a NUL nor a CR.
void ReadDate(std::string_view line, std::size_t firstTilde, bool clean, std::string& date) {
  if (firstTilde == std::string_view::npos) {
    SetText(date, InvalidDate, 8);
  } else if (clean) {
    StoreDate(date, line.substr(0, firstTilde));
  } else {
    StoreDate(date, StorableText(line.substr(0, firstTilde)));
  }
}

// The date of a line alone, for sorting lines before they are read.
void ReadDate(std::string_view line, std::string& date) {
  bool clean = true;
  std::size_t i = 0;
  for (; i < line.size() && line[i] != '~'; ++i) {
    if (line[i] == '\0' || line[i] == '\r') clean = false;
  }
  ReadDate(line, i < line.size() ? i : std::string_view::npos, clean, date);
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
// are. clean tells whether the bytes looked at (up to the 45th "~", else the
// whole line) hold neither a NUL nor a CR. Eight bytes are looked at in one
// step where the machine allows it.
int FindTildes(std::string_view line, std::size_t (&ends)[ScoreFieldCount], bool& clean) {
  int found = 0;
  std::size_t i = 0;
  clean = true;
  if constexpr (std::endian::native == std::endian::little) {
    constexpr std::uint64_t ones = 0x0101010101010101ULL;
    constexpr std::uint64_t low7 = 0x7f7f7f7f7f7f7f7fULL;
    constexpr std::uint64_t tildes = 0x7e7e7e7e7e7e7e7eULL;
    // Set when some byte of the words is below 14, as a NUL and a CR are:
    // one test for both, and the rare line it fires on is looked at again.
    std::uint64_t control = 0;
    auto cleanUpTo = [&](std::size_t end) {
      return control == 0 || (std::memchr(line.data(), '\0', end) == nullptr &&
                              std::memchr(line.data(), '\r', end) == nullptr);
    };
    for (; i + 8 <= line.size(); i += 8) {
      std::uint64_t word;
      std::memcpy(&word, line.data() + i, 8);
      control |= (word - 14 * ones) & ~word & ~low7;
      // The high bit of each byte that is "~", and of no other byte.
      std::uint64_t x = word ^ tildes;
      std::uint64_t zero = ~(((x & low7) + low7) | x | low7);
      while (zero != 0) {
        ends[found++] = i + static_cast<std::size_t>(std::countr_zero(zero)) / 8;
        if (found == ScoreFieldCount) {
          clean = cleanUpTo(i + 8);
          return found;
        }
        zero &= zero - 1;
      }
    }
    clean = cleanUpTo(i);
  }
  for (; i < line.size(); ++i) {
    if (line[i] == '\0' || line[i] == '\r') clean = false;
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
  bool clean = true;
  const int tildes = FindTildes(line, ends, clean);
  const FieldList fields = Fields(rec);
  ReadDate(line, tildes >= 1 ? ends[0] : std::string_view::npos, clean, rec.Date);
  const char* const bytes = line.data();
  std::size_t start = tildes >= 1 ? ends[0] + 1 : 0;
  const int stored = tildes < ScoreFieldCount ? tildes : ScoreFieldCount;
  int k = 1;
  if (clean) {
    for (; k < stored; ++k) {
      std::size_t length = ends[k] - start;
      SetText(*fields[k], bytes + start, length < FieldWidths[k] ? length : FieldWidths[k]);
      start = ends[k] + 1;
    }
  } else {
    // A line can still hold a NUL or a lone CR, which no field keeps (see
    // StorableText); the few lines that do take the slower way.
    for (; k < stored; ++k) {
      *fields[k] = StorableText(line.substr(start, ends[k] - start), FieldWidths[k]);
      start = ends[k] + 1;
    }
  }
  for (; k < ScoreFieldCount; ++k) {
    std::string_view placeholder = Placeholder(k + 1);
    SetText(*fields[k], placeholder.data(), placeholder.size());
  }
  // Older files end a line with the comment and no "~" behind it.
  if (tildes == 5 && start < line.size()) {
    std::string_view comment = line.substr(start);
    if (clean)
      SetText(rec.Comment, comment.data(), std::min(comment.size(), width::Comment));
    else
      rec.Comment = StorableText(comment, width::Comment);
  }
}

// A score file is named by a short name, and "", "." and ".." are no short
// names: ".qmg", "..qmg" and "...qmg" are refused with the rest.
void CheckFileName(const std::string& fileName) {
  const std::string_view ext = ScoreFileExtension;
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
  const FieldList fields = Fields(rec);
  for (int k = 0; k < ScoreFieldCount; ++k) fields[k]->assign(Placeholder(k + 1));
  return rec;
}

void ClearScoreRec(TScoreTable& table, int n) { table.At(n) = PlaceholderScoreRec(); }

namespace {

// Where the program's exchanges (for b = 1 .. count - 1 and e = b + 1 ..
// count, "exchange b and e when key b < key e") leave each record, without
// running them: from[i] is the position whose record ends at i. They leave
// the keys newest first; the order of equal keys follows from three facts.
// (1) The records with keys >= v end in the order the exchanges give on
// those records alone, the others left out. (2) Among those, with v the
// least key, a pass starting at a record of key v drops it where the first
// greater key stood, and a pass starting at a greater key moves no record
// of key v. (3) So from the first record of key v on, the records of key v
// travel as one block: each greater key after it that a pass takes to the
// front turns the block by one (its first record goes last), and the
// records of key v that stood behind that key join the block's end.
template <class Key>
std::vector<std::size_t> ExchangeOrder(const std::vector<Key>& keys) {
  const std::size_t count = keys.size();
  // Greatest key first, equal keys in file order.
  std::vector<std::size_t> byKey(count);
  bool oldestFirst = true;
  for (std::size_t i = 1; i < count && oldestFirst; ++i) oldestFirst = !(keys[i] < keys[i - 1]);
  if (oldestFirst) {
    // As rounds are appended over the years: the runs of equal keys, last
    // run first.
    std::size_t out = 0;
    for (std::size_t end = count; end > 0;) {
      std::size_t begin = end - 1;
      while (begin > 0 && !(keys[begin - 1] < keys[begin])) --begin;
      for (std::size_t k = begin; k < end; ++k) byKey[out++] = k;
      end = begin;
    }
  } else {
    std::vector<std::pair<Key, std::size_t>> sorted(count);
    for (std::size_t i = 0; i < count; ++i) sorted[i] = {keys[i], i};
    std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) {
      return b.first < a.first || (!(a.first < b.first) && a.second < b.second);
    });
    for (std::size_t i = 0; i < count; ++i) byKey[i] = sorted[i].second;
  }
  bool distinct = true;
  for (std::size_t i = 1; i < count && distinct; ++i) {
    distinct = keys[byKey[i]] < keys[byKey[i - 1]];
  }
  if (distinct) return byKey;  // only one order is newest first
  // Positions of the keys greater than the group at hand, counted in a
  // binary indexed tree (1-based), so that "greater keys after i" is one
  // query.
  std::vector<std::size_t> tree(count + 1, 0);
  std::size_t placedSoFar = 0;
  auto greaterAfter = [&](std::size_t pos) {
    std::size_t upTo = 0;  // greater keys at positions 0 .. pos
    for (std::size_t i = pos + 1; i > 0; i -= i & (~i + 1)) upTo += tree[i];
    return placedSoFar - upTo;
  };
  std::vector<std::size_t> from;
  from.reserve(count);
  std::vector<std::size_t> block;
  for (std::size_t first = 0; first < count;) {
    std::size_t end = first + 1;
    while (end < count && !(keys[byKey[end]] < keys[byKey[first]])) ++end;
    if (end - first == 1) {
      from.push_back(byKey[first]);
    } else {
      block.assign(1, byKey[first]);
      std::size_t behind = greaterAfter(byKey[first]);
      auto turn = [&block](std::size_t times) {
        std::rotate(block.begin(),
                    block.begin() + static_cast<std::ptrdiff_t>(times % block.size()), block.end());
      };
      for (std::size_t k = first + 1; k < end; ++k) {
        std::size_t next = greaterAfter(byKey[k]);
        turn(behind - next);  // the greater keys between the two
        block.push_back(byKey[k]);
        behind = next;
      }
      turn(behind);
      from.insert(from.end(), block.begin(), block.end());
    }
    for (std::size_t k = first; k < end; ++k) {
      for (std::size_t i = byKey[k] + 1; i <= count; i += i & (~i + 1)) ++tree[i];
    }
    placedSoFar += end - first;
    first = end;
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

std::string_view DateOf(std::string_view date) { return date.substr(0, date.find('\0')); }

// The order SortScores gives records with these keys (their dates, each
// cut at its NUL); empty when they are newest first already, as every save
// leaves a file, and no exchange fires.
template <class Key>
std::vector<std::size_t> NewestFirstOrder(const std::vector<Key>& keys) {
  for (std::size_t i = 1; i < keys.size(); ++i) {
    if (keys[i - 1] < keys[i]) return ExchangeOrder(keys);
  }
  return {};
}

// Reads fileName whole for both loaders. False when there is nothing to
// parse: the file could not be opened for editing (result says so), and
// the table is then empty.
bool ReadScoreFile(TScoreTable& table, const std::string& fileName, bool forEditing,
                   LoadScoresResult& result, std::string& bytes) {
  int openError = 0;
  try {
    CheckFileName(fileName);
    if (!fileio::TryReadBytes(fileName, bytes, openError)) {
      if (!forEditing) ThrowIoError(openError);
      table.Clear();
      result.Message = "Error: Golfer score file \"" + fileName + "\" not found.";
      return false;
    }
  } catch (...) {
    table.Clear();
    throw;
  }
  return true;
}

// Fills table.Entries[i] from lines[from[i]] (from empty: lines[i]). The
// records already there are overwritten field by field, so a table loaded
// again keeps its strings' storage.
void FillTable(TScoreTable& table, const std::vector<std::string_view>& lines,
               const std::vector<std::size_t>& from, bool forEditing, LoadScoresResult& result) {
  table.Entries.resize(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    TScoreRec& rec = table.Entries[i];
    ParseScoreLine(lines[from.empty() ? i : from[i]], rec);
    if (forEditing && CutAtNul(rec.ScoreTotal).empty() && !CutAtNul(rec.AdjScore).empty()) {
      rec.ScoreTotal = rec.AdjScore;
      result.Changed = true;
    }
  }
  result.Read = true;
}

}  // namespace

LoadScoresResult LoadScores(TScoreTable& table, const std::string& fileName, bool forEditing) {
  LoadScoresResult result;
  std::string bytes;
  if (!ReadScoreFile(table, fileName, forEditing, result, bytes)) return result;
  FillTable(table, fileio::SplitLines(bytes, ScoreLineKeep), {}, forEditing, result);
  return result;
}

LoadScoresResult LoadSortedScores(TScoreTable& table, const std::string& fileName,
                                  bool forEditing) {
  LoadScoresResult result;
  std::string bytes;
  if (!ReadScoreFile(table, fileName, forEditing, result, bytes)) return result;
  const std::vector<std::string_view> lines = fileio::SplitLines(bytes, ScoreLineKeep);
  // The dates first, read as the records will hold them: always eight
  // bytes without a NUL, so each packs into a key.
  std::vector<std::uint64_t> keys(lines.size());
  std::string date;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    // Mostly eight plain bytes before the first "~": those are the date.
    std::string_view line = lines[i];
    bool plain = line.size() > 8 && line[8] == '~';
    for (std::size_t k = 0; k < 8 && plain; ++k) {
      plain = line[k] != '~' && line[k] != '\0' && line[k] != '\r';
    }
    if (plain) {
      PackDate(line.substr(0, 8), keys[i]);
    } else {
      ReadDate(line, date);
      PackDate(DateOf(date), keys[i]);
    }
  }
  // Each line is parsed straight into the place the sort gives its record,
  // so no record is moved afterwards.
  FillTable(table, lines, NewestFirstOrder(keys), forEditing, result);
  return result;
}

void SortScores(TScoreTable& table) {
  auto& recs = table.Entries;
  const std::size_t count = recs.size();
  if (count < 2) return;
  std::vector<std::uint64_t> packed(count);
  bool allPacked = true;
  for (std::size_t i = 0; i < count && allPacked; ++i) {
    allPacked = PackDate(DateOf(recs[i].Date), packed[i]);
  }
  std::vector<std::size_t> from;
  if (allPacked) {
    from = NewestFirstOrder(packed);
  } else {
    std::vector<std::string_view> dates(count);
    for (std::size_t i = 0; i < count; ++i) dates[i] = DateOf(recs[i].Date);
    from = NewestFirstOrder(dates);
  }
  if (from.empty()) return;
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
    for (std::string* field : Fields(rec)) {
      std::string& text = *field;
      text = StorableText(text);
      line += text;
      line += '~';
    }
    line += "\r\n";
    lines.push_back(std::move(line));
  }
  fileio::ReplaceFile(fileName, lines);
}

bool AppendRound(const std::string& fileName, const TScoreRec& round, int maxScores) {
  TScoreTable scores;
  LoadSortedScores(scores, fileName, false);
  if (scores.Count() >= maxScores) return false;
  scores.Entries.push_back(round);
  SortScores(scores);
  SaveScores(scores, fileName);
  return true;
}

TScoreTable ScoresAddedSince(const fileio::FileSnapshot& read, bool forEditing) {
  const std::vector<std::string> added = read.AddedLines();
  std::vector<std::string_view> lines;
  lines.reserve(added.size());
  for (const std::string& line : added)
    lines.push_back(std::string_view(line).substr(0, std::min(line.size(), ScoreLineKeep)));
  TScoreTable table;
  LoadScoresResult ignored;
  FillTable(table, lines, {}, forEditing, ignored);
  return table;
}

void MakeStorable(TScoreRec& rec) {
  const FieldList fields = Fields(rec);
  for (int k = 0; k < ScoreFieldCount; ++k) *fields[k] = StorableText(*fields[k], FieldWidths[k]);
}

bool IsCompleteScore(const TScoreRec& rec) {
  const std::string_view total = CutAtNulView(rec.ScoreTotal);
  const std::string_view rating = CutAtNulView(rec.Rating);
  const std::string_view slope = CutAtNulView(rec.Slope);
  return !total.empty() && total != "0" && !rating.empty() && rating != "0.0" && !slope.empty() &&
         slope != "0" && CutAtNulView(rec.Date) != InvalidDate;
}

}  // namespace qm
