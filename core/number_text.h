#pragma once
// The general number text: the shortest decimal of a value, written the way the
// model file, the notices and the reports show numbers (".1", "-.25", "600",
// "1E-05"), and its reading back.
#include <cstdint>
#include <string>
#include <string_view>

namespace zorvan {

// The shortest decimal that reads back to exactly v (up to 9 significant digits):
// no "0" before the point below 1, no point for whole values, the exponent form
// ("1.5E-05", "1E+07") below 1E-04 and from 1E+07 on. The form of the model file.
std::string ExactNumberText(float v);

// The same form with at most 7 significant digits: the display text of a float.
std::string GeneralNumberText(float v);

// Str: the display text with its sign position, a blank before a value that is
// not negative ("180" gives " 180", -0.25 gives "-.25").
std::string Str(float v);
std::string Str(int v);

// A value with `digits` significant digits in the C library's general form
// ("%.9g"): nine read back as the same float, seventeen as the same double.
// The form of the CSV files and the dump.
std::string DigitsText(double v, int digits = 9);
// The same appended to `out`, without a string of its own (a sweep writes millions).
void AppendDigitsText(std::string& out, double v, int digits = 9);
// The same in JSON: "null" for NaN and the infinities, which JSON cannot hold.
std::string JsonNumberText(double v, int digits = 9);
// The shortest decimal that reads back as the same float ("0.1", "1e-05").
std::string ShortestText(float v);
// The shortest decimal that reads back as the same double ("211.4", "9.775e+06").
std::string ShortestDoubleText(double v);

// Reads a decimal number: optional blanks, sign, digits with an optional point
// (".5", "5.", "0.5"), an optional exponent ("1E-05", "1e5"), optional blanks.
// False for any other text (empty, "nan", "1,5", trailing characters).
bool ParseDecimal(std::string_view text, double& value);
// The same read straight to the nearest float32. Returns false for a text that
// is not a decimal number; sets overflow (and returns false) when the value lies
// beyond the float32 range. Values too small for float32 read as zero.
bool ParseFloat(std::string_view text, float& value, bool& overflow);

}  // namespace zorvan
