#pragma once
// The number in an entry box. A box reads back every text the program writes
// into it: grouping commas ("1,500.0") and the blank-grouped decimals of the
// metric pattern ("0.000 000"), besides plain and exponent forms.
#include <string>
#include <string_view>

namespace zorvan {

enum class EntryRead { Number, NotANumber, OutOfRange };

// The text's value to the nearest float32; blanks anywhere are ignored, and
// commas only where they group the whole part by thousands. NaN and infinity
// are not numbers here; values beyond float32 are out of range.
EntryRead ReadEntryNumber(std::string_view text, double& value);
// The same read to the nearest double, for a box whose decimals count as
// typed (a study's range: 2.4 to 3.6 in steps of 0.12 is eleven values).
EntryRead ReadEntryDecimal(std::string_view text, double& value);

// "The <what> is not a number.  Please redo." or "... is out of range.  Please redo.".
std::string EntryReadMessage(EntryRead r, const std::string& what);

}  // namespace zorvan
