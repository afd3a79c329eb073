#include "print/reporttext.h"

#include <QDate>

#include "app/clock.h"
#include "ui/textconv.h"

namespace qm {

std::string RightAligned(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string TodayText() { return ToBytes(TodayDisplay()); }

}  // namespace qm
