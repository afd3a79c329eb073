// The text, date and number helpers on any text: every result keeps its
// promised shape (width, no NUL, no outer spaces), dates survive the trip to
// the display form and back, and a number that is read prints and reads
// back as itself.
#include <cmath>
#include <cstdio>
#include <string>

#include "fuzz_support.h"
#include "store/errors.h"
#include "store/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace qm;
  if (size == 0) return 0;
  const int padSize = static_cast<int>(static_cast<signed char>(data[0]));
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

  const std::string cut = CutAtNul(text);
  QM_FUZZ_CHECK(cut.find('\0') == std::string::npos && text.compare(0, cut.size(), cut) == 0);

  const std::string trimmed = TrimSpaces(text);
  QM_FUZZ_CHECK(text.find(trimmed) != std::string::npos);
  QM_FUZZ_CHECK(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '));

  const std::size_t column = padSize <= 1 ? 0 : static_cast<std::size_t>(std::min(padSize, 82) - 1);
  for (const std::string& padded : {PadRight(text, padSize), PadLeft(text, padSize)}) {
    QM_FUZZ_CHECK(padded.size() == column);
    QM_FUZZ_CHECK(TrimSpaces(padded) == TrimSpaces(cut.substr(0, column)) || cut.size() > column);
  }
  QM_FUZZ_CHECK(
      PadRight(text, padSize)
          .compare(0, std::min(cut.size(), column), cut, 0, std::min(cut.size(), column)) == 0);

  const std::string storable = StorableText(text, column);
  QM_FUZZ_CHECK(fuzz::Storable(storable, column));
  QM_FUZZ_CHECK(StorableText(storable, column) == storable);

  const std::string display = DateKeyToDisplay(text);
  QM_FUZZ_CHECK(display.size() == 10 && display[2] == '/' && display[5] == '/');
  if (text.size() == 8) QM_FUZZ_CHECK(DisplayDateToKey(display) == text);
  if (text.size() == 6) QM_FUZZ_CHECK(DisplayDateToKey(display).substr(2) == text);

  int whole = 0;
  bool isInt = TryStrToInt(text, whole);
  try {
    QM_FUZZ_CHECK(StrToInt(text) == whole && isInt);
    int again = 0;
    QM_FUZZ_CHECK(TryStrToInt(std::to_string(whole), again) && again == whole);
  } catch (const QmError& e) {
    QM_FUZZ_CHECK(!isInt);
    // The message is a C string: a NUL in the text ends it.
    const std::string expected = "'" + text + "' is not a valid integer value";
    QM_FUZZ_CHECK(std::string(e.what()) == expected.c_str());
  }

  long double real = 0;
  bool isFloat = TryStrToFloat(text, real);
  if (isInt)
    QM_FUZZ_CHECK(!isFloat || text.find_first_of("xX$") != std::string::npos ||
                  real == static_cast<long double>(whole));
  try {
    long double thrown = StrToFloat(text);
    QM_FUZZ_CHECK(isFloat && (thrown == real || (std::isnan(thrown) && std::isnan(real))));
    if (std::isfinite(real)) {
      char printed[64];
      std::snprintf(printed, sizeof printed, "%.21Lg", real);
      long double again = 0;
      QM_FUZZ_CHECK(TryStrToFloat(printed, again) && again == real);
    }
  } catch (const QmError& e) {
    QM_FUZZ_CHECK(!isFloat);
    const std::string expected = "'" + text + "' is not a valid floating point value";
    QM_FUZZ_CHECK(std::string(e.what()) == expected.c_str());
  }
  return 0;
}
