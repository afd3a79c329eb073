// A score file of any bytes: loaded (plain and for editing), sorted, run
// through the index, saved and loaded again. The table read holds only what
// a file can hold, each field within its width; the sort leaves it newest
// first, in the order of the program's exchanges, and reading straight into
// sorted places gives the same table; the reload gives the very table that
// was saved, and saving that gives the very same bytes.
#include <array>
#include <utility>

#include "engine/index.h"
#include "fuzz_support.h"
#include "store/errors.h"
#include "store/scores.h"
#include "store/text.h"

namespace {

using namespace qm;

bool SameRecord(const TScoreRec& a, const TScoreRec& b) {
  auto x = fuzz::ScoreFields(a);
  auto y = fuzz::ScoreFields(b);
  for (std::size_t i = 0; i < x.size(); ++i) {
    if (*x[i].text != *y[i].text) return false;
  }
  return true;
}

bool SameTable(const TScoreTable& a, const TScoreTable& b) {
  if (a.Count() != b.Count()) return false;
  for (int n = 1; n <= a.Count(); ++n) {
    if (!SameRecord(a.At(n), b.At(n))) return false;
  }
  return true;
}

void ExchangeSort(TScoreTable& table) {
  auto& recs = table.Entries;
  for (std::size_t b = 0; b + 1 < recs.size(); ++b) {
    for (std::size_t e = b + 1; e < recs.size(); ++e) {
      if (CutAtNul(recs[b].Date) < CutAtNul(recs[e].Date)) std::swap(recs[b], recs[e]);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshFolder();
  fuzz::WriteBytes("G.qmg", std::string_view(reinterpret_cast<const char*>(data), size));

  for (bool forEditing : {false, true}) {
    TScoreTable table;
    LoadScoresResult loaded = LoadScores(table, "G.qmg", forEditing);
    QM_FUZZ_CHECK(loaded.Read);
    for (const TScoreRec& rec : table.Entries) {
      for (const fuzz::FieldView& field : fuzz::ScoreFields(rec)) {
        QM_FUZZ_CHECK(fuzz::Storable(*field.text, field.width));
      }
      QM_FUZZ_CHECK(rec.Date.size() == 8);
    }

    TScoreTable reference = table;
    SortScores(table);
    for (int n = 2; n <= table.Count(); ++n)
      QM_FUZZ_CHECK(!(table.At(n - 1).Date < table.At(n).Date));
    if (reference.Count() <= 64) {
      ExchangeSort(reference);
      QM_FUZZ_CHECK(SameTable(table, reference));
    }
    TScoreTable direct;
    LoadScoresResult sorted = LoadSortedScores(direct, "G.qmg", forEditing);
    QM_FUZZ_CHECK(sorted.Read && sorted.Changed == loaded.Changed);
    QM_FUZZ_CHECK(SameTable(table, direct));

    IndexRequest request;
    request.UseMaxIndex = forEditing;
    try {
      IndexResult result = CalcIndex(table, request);
      for (int used : result.UsedScores) {
        QM_FUZZ_CHECK(used >= 1 && used <= table.Count());
        QM_FUZZ_CHECK(CountsForIndex(table.At(used)));
      }
    } catch (const QmError&) {
      // A complete score whose numbers are not numbers ends the action.
    }

    SaveScores(table, "S.qmg");
    const std::string first = fuzz::ReadBytes("S.qmg");
    TScoreTable again;
    QM_FUZZ_CHECK(LoadScores(again, "S.qmg", false).Read);
    QM_FUZZ_CHECK(SameTable(table, again));
    SaveScores(again, "S.qmg");
    QM_FUZZ_CHECK(fuzz::ReadBytes("S.qmg") == first);
  }
  return 0;
}
