#include "core/captions.h"

#include <ctime>
#include <cstdio>

namespace zorvan {

const char* const kCopyScreenText = "Use the Alt-PrintScrn key combo to copy the screen to the clipboard";

std::string TitleboxText(const ProgramValues& v) {
  std::string text = v.UserName + "\r Design No. " + std::to_string(v.DesignNumber) + "\r\n" +
                     v.SaveDate + "\r at " + v.SaveTime;
  if (!v.FilePath.empty()) text += "\r File: " + v.FileName;
  return text;
}

std::string ScreenCaption(const ProgramValues& v, const std::string& screenName) {
  return "ZORVAN - " + std::string("   Release ") + v.ProgramVersion + "   Rev " + v.Revision + "   " +
         v.ReleaseDate + std::string(20, ' ') + screenName;
}

namespace {
std::tm LocalNow() {
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return tm;
}
}  // namespace

std::string TodayText() {
  std::tm tm = LocalNow();
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", tm.tm_mon + 1, tm.tm_mday, tm.tm_year + 1900);
  return buf;
}

std::string NowText() {
  std::tm tm = LocalNow();
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", tm.tm_hour, tm.tm_min, tm.tm_sec);
  return buf;
}

}  // namespace zorvan
