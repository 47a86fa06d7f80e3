#pragma once
// The program-wide values around the one design: title, version, file, user,
// design number, date and time, and the shell's state flags.
#include <cstdint>
#include <string>

namespace zorvan {

struct ProgramValues {
  std::string ProductTitle = "ZORVAN for Windows";  // the model-file marker and the texts that name it
  std::string ScreenTitle = "ZORVAN";               // the program's title in captions and message boxes
  std::string ProgramVersion = "9.0";
  std::string Revision = "2.2";
  std::string ReleaseDate = "11/30/08";
  std::string FilePath;          // current model file, or the folder where saving starts
  std::string FileName = "Engine_1";
  std::string UserName;
  std::string LoginName;
  std::string ApplicationPath;
  int16_t DesignNumber = 1;
  std::string SaveDate;
  std::string SaveTime;
  bool DesignSaved = false;
  bool StartingUp = true;
};

}  // namespace zorvan
