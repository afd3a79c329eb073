// A spreadsheet file of any bytes: read as rows, or refused with an error
// and nothing else; rows read are written and read again as the same rows.
// Read as rounds, every round holds only what a score file can hold, each
// field within its width, and a score file saved from them reads back as the
// same rounds.
#include <array>

#include "fuzz_support.h"
#include "store/csv.h"
#include "store/errors.h"
#include "store/scorecsv.h"
#include "store/scores.h"

namespace {

using namespace qm;

std::vector<csv::Row> Fields(const csv::Rows& rows) {
  std::vector<csv::Row> fields;
  for (const csv::LineRow& row : rows) fields.push_back(row.Fields);
  return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FreshFolder();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  csv::Rows rows;
  bool read = true;
  try {
    rows = csv::ReadRows(bytes);
  } catch (const QmError&) {
    read = false;
  }
  if (read) {
    for (const csv::LineRow& row : rows) {
      QM_FUZZ_CHECK(!row.Fields.empty() && row.Fields.size() <= csv::MaxFields);
      for (const std::string& field : row.Fields) QM_FUZZ_CHECK(field.size() <= csv::MaxFieldBytes);
    }
    const std::string written = csv::WriteRows(Fields(rows));
    if (written.size() <= csv::MaxFileBytes)
      QM_FUZZ_CHECK(Fields(csv::ReadRows(written)) == Fields(rows));
  }

  ScoreCsv rounds;
  try {
    rounds = ReadScoreCsv(bytes);
  } catch (const QmError&) {
    return 0;
  }
  QM_FUZZ_CHECK(read);  // a file of rounds is a file of rows
  TScoreTable table;
  for (const ImportedRound& round : rounds.Rounds) {
    QM_FUZZ_CHECK(round.Round.Date.size() == 8);
    QM_FUZZ_CHECK(round.NeedsAgs == round.Round.AdjScore.empty());
    QM_FUZZ_CHECK(!round.Round.ScoreTotal.empty());
    for (const auto& [text, width] : fuzz::ScoreFields(round.Round))
      QM_FUZZ_CHECK(fuzz::Storable(*text, width));
    table.Entries.push_back(round.Round);
  }
  for (const RefusedRow& refused : rounds.Refused) QM_FUZZ_CHECK(refused.Line >= 2);
  const ScoreImportPlan plan = PlanScoreImport(TScoreTable{}, rounds);
  QM_FUZZ_CHECK(plan.Add.size() + plan.Duplicates.size() + plan.Refused.size() ==
                rounds.Rounds.size() + rounds.Refused.size());
  QM_FUZZ_CHECK(plan.Add.size() <= static_cast<std::size_t>(MaxScores));
  ScoreImportSummary(plan);

  SaveScores(table, "G.qmg");
  TScoreTable again;
  QM_FUZZ_CHECK(LoadScores(again, "G.qmg", false).Read);
  QM_FUZZ_CHECK(again.Count() == table.Count());
  for (int n = 1; n <= table.Count(); ++n) {
    const auto a = fuzz::ScoreFields(table.At(n));
    const auto b = fuzz::ScoreFields(again.At(n));
    for (std::size_t k = 0; k < a.size(); ++k) QM_FUZZ_CHECK(*a[k].text == *b[k].text);
  }
  return 0;
}
