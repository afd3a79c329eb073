// Small pieces the reports share.
#pragma once

#include <string>

#include "engine/index.h"
#include "store/records.h"

namespace qm {

// Hands every line on, cut to a report's width.
class CuttingSink : public ReportSink {
 public:
  CuttingSink(ReportSink& out, std::size_t width) : out_(out), width_(width) {}
  void AddLine(const std::string& line) override { out_.AddLine(CutTo(line, width_)); }

 private:
  ReportSink& out_;
  std::size_t width_;
};

// text right-aligned in width characters; a longer text is kept whole.
std::string RightAligned(const std::string& text, std::size_t width);

// Today as the reports print it, "mm/dd/yyyy".
std::string TodayText();

}  // namespace qm
