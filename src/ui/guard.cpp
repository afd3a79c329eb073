#include "ui/guard.h"

#include <new>
#include <stdexcept>

#include "store/errors.h"
#include "ui/prompts.h"
#include "ui/textconv.h"

namespace qm {

void ReportCurrentException() noexcept {
  QString text;
  try {
    throw;
  } catch (const QmError& error) {
    text = FromBytes(error.what());
  } catch (const std::bad_alloc&) {
    text = QStringLiteral("Out of memory");
  } catch (const std::exception& error) {
    // Anything else the standard library raises ends the action the same
    // way; its own text is the best the user can be told.
    text = FromBytes(error.what());
  } catch (...) {
    text = QStringLiteral("I/O error 0");
  }
  try {
    CurrentPrompts().Message(text);
  } catch (...) {
    // Showing the report must never let an error out into Qt.
  }
}

}  // namespace qm
