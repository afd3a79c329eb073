#include "print/reporttext.h"

#include "ui/clock.h"
#include "ui/textconv.h"

namespace qm {

std::string RightAligned(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string TodayText() { return ToBytes(Today().toString(QStringLiteral("MM/dd/yyyy"))); }

}  // namespace qm
