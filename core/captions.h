#pragma once
// Texts the screens show: the header caption ("Titlebox") and window captions.
#include <string>

#include "core/program_values.h"

namespace zorvan {

// User name, design number, date, time and (when a path is set) the file name,
// with CR and CR LF line breaks.
std::string TitleboxText(const ProgramValues& v);

// What a screen's Copy command tells.
extern const char* const kCopyScreenText;

// "ZORVAN - " with release, revision and date, twenty blanks and the screen's name.
std::string ScreenCaption(const ProgramValues& v, const std::string& screenName);

// The current date and time in the fixed forms the program writes (MM/DD/YYYY, HH:MM:SS).
std::string TodayText();
std::string NowText();

}  // namespace zorvan
