// A course file (or, on the first run, a sample course file) of any bytes:
// both tables load from it, holding only what a file can hold, each field
// within its width; sorted by name; saved, the full table reads back as the
// very table and saves as the very same bytes.
#include "fuzz_support.h"
#include "store/courses.h"

namespace {

using namespace qm;

bool SameTable(const TCourseTable& a, const TCourseTable& b) {
  if (a.Count() != b.Count()) return false;
  for (int n = 1; n <= a.Count(); ++n) {
    const TCourseRec& x = a.At(n);
    const TCourseRec& y = b.At(n);
    if (x.CourseName != y.CourseName || x.Rating != y.Rating || x.Slope != y.Slope ||
        x.ParTotal != y.ParTotal || x.HolePar != y.HolePar) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<fuzz::FileInput> input = fuzz::FreshFileInput(data, size);
  if (!input) return 0;
  const bool sample = input->Choice & 1;
  fuzz::WriteBytes(sample ? SampleCourseFileName : CourseFileName, input->File);

  TCourseSummaryTable summaries;
  QM_FUZZ_CHECK(LoadCourseSummaries(summaries).Message.empty());
  QM_FUZZ_CHECK(!fuzz::FileExists(SampleCourseFileName));
  QM_FUZZ_CHECK(fuzz::ReadBytes(CourseFileName) == input->File);
  TCourseTable table;
  QM_FUZZ_CHECK(LoadCourses(table).Message.empty());
  QM_FUZZ_CHECK(table.Count() == summaries.Count());
  for (int n = 1; n <= table.Count(); ++n) {
    const TCourseRec& rec = table.At(n);
    QM_FUZZ_CHECK(rec.CourseName == summaries.At(n).CourseName);
    QM_FUZZ_CHECK(rec.ParTotal == summaries.At(n).ParTotal);
    QM_FUZZ_CHECK(fuzz::Storable(rec.CourseName, 30));
    QM_FUZZ_CHECK(fuzz::Storable(rec.Rating, 4));
    QM_FUZZ_CHECK(fuzz::Storable(rec.Slope, 3));
    QM_FUZZ_CHECK(fuzz::Storable(rec.ParTotal, 2));
    for (const std::string& par : rec.HolePar) QM_FUZZ_CHECK(fuzz::Storable(par, 1));
  }
  SortCourses(table);
  SortCourses(summaries);
  for (int n = 2; n <= table.Count(); ++n) {
    QM_FUZZ_CHECK(!(table.At(n).CourseName < table.At(n - 1).CourseName));
    QM_FUZZ_CHECK(!(summaries.At(n).CourseName < summaries.At(n - 1).CourseName));
  }

  SaveCourses(table);
  const std::string first = fuzz::ReadBytes(CourseFileName);
  TCourseTable again;
  LoadCourses(again);
  QM_FUZZ_CHECK(SameTable(table, again));
  SortCourses(again);
  SaveCourses(again);
  QM_FUZZ_CHECK(fuzz::ReadBytes(CourseFileName) == first);
  return 0;
}
