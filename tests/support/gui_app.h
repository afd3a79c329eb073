// A QApplication for GoogleTest programs that need Qt's fonts and printers
// (the print tests). Made on first use, on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise; it lives until the program ends.
#pragma once

namespace qm::test {

void EnsureApplication();

}  // namespace qm::test
