#include <gtest/gtest.h>

#include "store/errors.h"
#include "store/text.h"

namespace qm {
namespace {

TEST(TextHelpers, CutTrimAndPad) {
  EXPECT_EQ(CutAtNul("ABC"), "ABC");
  EXPECT_EQ(CutAtNul(std::string("\0ABC", 4)), "");
  EXPECT_EQ(CutAtNul(std::string("AB\0C", 4)), "AB");
  EXPECT_EQ(TrimSpaces("   A  "), "A");
  EXPECT_EQ(TrimSpaces("   "), "");
  EXPECT_EQ(TrimSpaces("\tA "), "\tA");
  EXPECT_EQ(PadRight("ABC", 6), "ABC  ");
  EXPECT_EQ(PadRight("ABCDEFG", 4), "ABC");
  EXPECT_EQ(PadLeft("7", 4), "  7");
  EXPECT_EQ(PadLeft("12345", 4), "123");
  EXPECT_EQ(PadLeft(std::string("12\0" "99", 5), 5), "  12");
  EXPECT_EQ(PadRight("A", 1), "");
  EXPECT_EQ(PadRight("A", -3), "");
  EXPECT_EQ(PadRight("", 200).size(), 81u);
}

TEST(TextHelpers, DateKeys) {
  EXPECT_EQ(DateKeyToDisplay("20020223"), "02/23/2002");
  EXPECT_EQ(DateKeyToDisplay("981231"), "12/31/1998");
  EXPECT_EQ(DateKeyToDisplay("020105"), "01/05/2002");
  EXPECT_EQ(DateKeyToDisplay("700101"), "01/01/1970");
  EXPECT_EQ(DateKeyToDisplay("691231"), "12/31/2069");
  EXPECT_EQ(DateKeyToDisplay("2002022"), "99/99/9999");
  // The century goes by character code: the byte 0xE9 (\351) is "7 or higher".
  EXPECT_EQ(DateKeyToDisplay("\35110101"), "01/01/19\3511");
  EXPECT_EQ(DateKeyToDisplay("/10101"), "01/01/20/1");
  EXPECT_EQ(DateKeyToDisplay(""), "99/99/9999");
  EXPECT_EQ(DisplayDateToKey("02/23/2002"), "20020223");
  // Not the expected form: meaningless but harmless.
  EXPECT_EQ(DisplayDateToKey("1/2"), "1/");
  EXPECT_EQ(DisplayDateToKey(""), "");
}

TEST(TextHelpers, StrictNumbers) {
  EXPECT_EQ(StrToInt("42"), 42);
  EXPECT_EQ(StrToInt("  -7"), -7);
  EXPECT_EQ(StrToInt("+3"), 3);
  EXPECT_EQ(StrToInt("$1F"), 31);
  EXPECT_EQ(StrToInt("0x200"), 512);
  EXPECT_EQ(StrToInt("-2147483648"), -2147483648LL);
  for (const char* bad : {"", " ", "4 ", "4a", "1.0", "$", "0x", "--1", "2147483648", "yes"}) {
    try {
      StrToInt(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const QmError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("'") + bad + "' is not a valid integer value");
    }
  }
  EXPECT_EQ(StrToFloat("70.5"), 70.5L);
  EXPECT_EQ(StrToFloat(" 9.6"), StrToFloat("9.6"));
  EXPECT_EQ(StrToFloat("-1.2"), -1.2L);
  EXPECT_EQ(StrToFloat(".5"), 0.5L);
  EXPECT_EQ(StrToFloat("113"), 113.0L);
  // Correctly rounded to long double, not through double.
  EXPECT_EQ(StrToFloat("0.1"), 0.1L);
  for (const char* bad :
       {"", "  ", "abc", "XXXX", "1,5", "inf", "nan", "1.2.3", "+", "-", "+-5", "+-.5", "-+5"}) {
    try {
      StrToFloat(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const QmError& e) {
      EXPECT_EQ(std::string(e.what()),
                std::string("'") + bad + "' is not a valid floating point value");
    }
  }
}

TEST(ErrorTexts, FileFaultsAndErrno) {
  auto message = [](int err) {
    try {
      ThrowIoError(err);
    } catch (const QmError& e) {
      return std::string(e.what());
    }
    return std::string();
  };
  EXPECT_EQ(message(ENOENT), "File not found");
  EXPECT_EQ(message(EACCES), "File access denied");
  EXPECT_EQ(message(ENOSPC), "Disk full");
  EXPECT_EQ(message(EMFILE), "Too many open files");
  EXPECT_EQ(message(EIO), "I/O error " + std::to_string(EIO));
}

}  // namespace
}  // namespace qm
