#include "print/competitionsheet.h"

#include "store/text.h"

namespace qm {

namespace {

// Characters of each column on the page, and whether it stands right.
constexpr int kWidth[] = {4, 26, 3, 5, 4, 4, 4, 4, 5, 6, 22};
constexpr bool kRight[] = {false, false, true, true, true, true, true, true, true, true, false};

std::string Laid(const std::vector<std::string>& cells) {
  std::string line;
  for (std::size_t c = 0; c < cells.size() && c < std::size(kWidth); ++c)
    line +=
        (kRight[c] ? PadLeft(cells[c], kWidth[c] + 1) : PadRight(cells[c], kWidth[c] + 1)) + " ";
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

}  // namespace

std::vector<std::string> SheetHeadings(comp::Format format) {
  const char* result = format == comp::Format::StrokePlay   ? "Net"
                       : format == comp::Format::Stableford ? "Points"
                                                            : "Result";
  return {"Pos", "Name", "Div", "Index", "CH", "PH", "Out", "In", "Gross", result, "Note"};
}

std::vector<std::string> SheetCells(const comp::Line& line) {
  return {line.Pos, line.Name, line.Div,   line.Index,  line.CourseHcp, line.PlayingHcp,
          line.Out, line.In,   line.Gross, line.Result, line.Note};
}

std::vector<std::string> SheetLines(const std::vector<std::string>& heading,
                                    const comp::Settings& settings,
                                    const std::vector<comp::Line>& lines) {
  std::vector<std::string> text = heading;
  text.push_back("");
  text.push_back(Laid(SheetHeadings(settings.Play)));
  std::string division;
  for (const comp::Line& line : lines) {
    if (!settings.Divisions.empty() && !line.Pos.empty() && line.Div != division) {
      division = line.Div;
      text.push_back("");
      text.push_back("Division " + division);
    }
    if (line.Pos.empty() && !division.empty()) {
      division.clear();
      text.push_back("");
      text.push_back("Not placed");
    }
    text.push_back(Laid(SheetCells(line)));
  }
  text.push_back("");
  if (!settings.Countback) {
    text.push_back("Equal results share the place.");
    return text;
  }
  // Two lines: one would run past the page's edge.
  text.push_back("Ties are decided by countback: the last 9, 6 and 3 holes, the 18th,");
  text.push_back(std::string("then holes 4-9, 7-9 and the 9th") +
                 (settings.Play != comp::Format::StrokePlay ? "."
                  : settings.Fraction == comp::Fractions::Exact
                      ? ", less exact fractions of the playing handicap."
                      : ", less the fraction of the playing handicap in whole strokes."));
  return text;
}

}  // namespace qm
