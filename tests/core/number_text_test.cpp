// The general number text of the model file and the notices, and its reading.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>

#include "core/csv_writer.h"
#include "core/entry_number.h"
#include "core/number_text.h"
#include "core/runtime_error.h"

namespace zorvan {
namespace {

TEST(NumberText, WrittenForms) {
  EXPECT_EQ(ExactNumberText(0.1f), ".1");
  EXPECT_EQ(ExactNumberText(-0.25f), "-.25");
  EXPECT_EQ(ExactNumberText(600.0f), "600");
  EXPECT_EQ(ExactNumberText(1e-05f), "1E-05");
  EXPECT_EQ(ExactNumberText(6894.7568359375f), "6894.757");
  EXPECT_EQ(ExactNumberText(0.0001f), ".0001");
  EXPECT_EQ(ExactNumberText(1234567.0f), "1234567");
  EXPECT_EQ(ExactNumberText(1e7f), "1E+07");
  EXPECT_EQ(ExactNumberText(0.0f), "0");
  // Eight digits where seven would read back as another float.
  EXPECT_EQ(ExactNumberText(1.7683883f), "1.7683883");
  EXPECT_EQ(GeneralNumberText(1.7683883f), "1.768388");
  EXPECT_EQ(ExactNumberText(12345678.0f), "1.2345678E+07");
  EXPECT_EQ(GeneralNumberText(12345678.0f), "1.234568E+07");
  EXPECT_EQ(ExactNumberText(std::numeric_limits<float>::denorm_min()), "1E-45");
  EXPECT_THROW(ExactNumberText(std::nanf("")), RunTimeError);
  EXPECT_THROW(ExactNumberText(INFINITY), RunTimeError);
}

TEST(NumberText, StrHasASignPosition) {
  EXPECT_EQ(Str(180.0f), " 180");
  EXPECT_EQ(Str(0.25f), " .25");
  EXPECT_EQ(Str(-0.25f), "-.25");
  EXPECT_EQ(Str(-0.0f), " 0");
  EXPECT_EQ(Str(4), " 4");
  EXPECT_EQ(Str(-12), "-12");
  EXPECT_EQ(Str(100 * 0.33f), " 33");
}

TEST(NumberText, EveryFloatReadsBackExactly) {
  std::mt19937 random(7);
  std::uniform_int_distribution<uint32_t> bits;
  for (int i = 0; i < 200000; ++i) {
    float v = std::bit_cast<float>(bits(random));
    if (!std::isfinite(v)) continue;
    float back = 0;
    bool overflow = false;
    std::string text = ExactNumberText(v);
    ASSERT_TRUE(ParseFloat(text, back, overflow)) << text;
    ASSERT_EQ(std::bit_cast<uint32_t>(back), std::bit_cast<uint32_t>(v)) << text;
  }
}

// The CSV and dump digits are the C library's "%.9g" and "%.17g", byte for
// byte, over every kind of double (NaN and the infinities with their signs).
TEST(NumberText, DigitsAreTheCLibrarysGeneralForm) {
  std::mt19937_64 random(11);
  std::vector<double> values = {0.0, -0.0, 1e-320, 999999999.5, 9.99999999995e-5, 1e16, HUGE_VAL, -HUGE_VAL,
                                std::nan(""), -std::nan("")};
  for (int i = 0; i < 100000; ++i) {
    const uint64_t b = random();
    values.push_back(std::bit_cast<double>(b));
    values.push_back(std::bit_cast<float>(static_cast<uint32_t>(b)));
  }
  for (double v : values)
    for (int digits : {7, 9, 17}) {
      char expected[40];
      std::snprintf(expected, sizeof expected, "%.*g", digits, v);
      ASSERT_EQ(DigitsText(v, digits), expected);
    }
}

// Entry boxes read every number the program writes into them.
TEST(NumberText, EntriesReadTheProgramsOwnNumbers) {
  double v = 0;
  for (auto [text, value] : {std::pair{"1,500.0", 1500.0}, {"99,999.0000", 99999.0}, {"12,345,678", 12345678.0},
                             {"4.136 854", 4.136854}, {"-1,000.000 000", -1000.0}, {" 2.5 ", 2.5}}) {
    ASSERT_EQ(ReadEntryNumber(text, v), EntryRead::Number) << text;
    EXPECT_EQ(static_cast<float>(v), static_cast<float>(value)) << text;
  }
  for (const char* text : {"", "abc", "nan", "inf", "1,50", ",500", "1,5000", "1.5,0", "12,34,567"})
    EXPECT_EQ(ReadEntryNumber(text, v), EntryRead::NotANumber) << text;
  EXPECT_EQ(ReadEntryNumber("1e39", v), EntryRead::OutOfRange);
}

TEST(NumberText, ReadingAcceptsDecimalsOnly) {
  float f = 0;
  bool overflow = false;
  for (const char* good : {" .5 ", "5.", "0.5", "+3", "1E-05", "1e5", "-.25", "\t7\t"})
    EXPECT_TRUE(ParseFloat(good, f, overflow)) << good;
  for (const char* bad : {"", " ", "nan", "inf", "1,5", "1e", "0x10", "-", ".", "1E+5x", "5 5", "--1"})
    EXPECT_FALSE(ParseFloat(bad, f, overflow)) << bad;
  EXPECT_FALSE(ParseFloat("1E+39", f, overflow));
  EXPECT_TRUE(overflow);
  ASSERT_TRUE(ParseFloat("-1E-60", f, overflow));
  EXPECT_EQ(f, 0.0f);
  double d = 0;
  EXPECT_TRUE(ParseDecimal("1E-400", d));
  EXPECT_EQ(d, 0.0);
  EXPECT_FALSE(ParseDecimal("1E+400", d));
}

// One writer for every table file: names with units, the file type's
// separator and line end, numbers that read back exactly.
TEST(CsvWriter, HeadingsFieldsAndLineEndsOfEachFileType) {
  std::string csv, tab;
  CsvWriter(csv, kCsvFile).Heading("Crank Angle", "Deg").Heading("F Main X", "lb", true).Heading("error").EndLine();
  CsvWriter w(csv, kCsvStream);
  w.Number(0.1f).Number(0.1, 17).Empty().Quoted("say \"no\"").EndLine();
  EXPECT_EQ(csv, "Crank Angle (Deg),\"F Main X (lb)\",error\r\n0.100000001,0.10000000000000001,,\"say \"\"no\"\"\"\n");
  CsvWriter(tab, kTabFile).Shortest(0.1f).Whole(-3).Text("x").EndLine();
  EXPECT_EQ(tab, "0.1\t-3\tx\r\n");
  EXPECT_EQ(JsonNumberText(std::nan("")), "null");
}

}  // namespace
}  // namespace zorvan
