#pragma once
// Recording fakes of the dialogs and screens: every request is kept, file
// dialogs answer from a script (no answer left means Cancel), and nothing ever
// blocks. Used by the shell tests and by the GUI tests.
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialogs.h"
#include "tests/support/recording_ui.h"
#include "platform/screens.h"

namespace zorvan {

struct RecordedDialog {
  bool save;  // save dialog, else open dialog
  FileDialogRequest request;
};

class RecordingPlatform : public RecordingUi, public Dialogs {
 public:
  std::optional<std::string> OpenFileName(const FileDialogRequest& request) override { return Answer(false, request); }
  std::optional<std::string> SaveFileName(const FileDialogRequest& request) override { return Answer(true, request); }
  void FixedWidthMessage(const std::string& text) override {
    fixedWidth.push_back(text);
    Message(text, Buttons::Ok, Icon::Information);
  }

  int SaveDialogCount() const { return Count(true); }
  int OpenDialogCount() const { return Count(false); }

  std::vector<RecordedDialog> dialogs;
  std::deque<std::optional<std::string>> paths;  // scripted choices; nullopt is Cancel
  std::vector<std::string> fixedWidth;           // texts shown in the fixed-width box

 private:
  std::optional<std::string> Answer(bool save, const FileDialogRequest& request) {
    dialogs.push_back({save, request});
    if (paths.empty()) return std::nullopt;
    std::optional<std::string> p = paths.front();
    paths.pop_front();
    return p;
  }
  int Count(bool save) const {
    int n = 0;
    for (const auto& d : dialogs) n += d.save == save;
    return n;
  }
};

class RecordingScreens : public Screens {
 public:
  bool Available(ScreenId id) const override { return available.count(id) > 0; }
  void Show(ScreenId id, Modality m) override { shown.emplace_back(id, m); }
  void ShowHelp(HelpTopic t) override { help.push_back(t); }
  void SetScreenSize(bool maximized) override { sizes.push_back(maximized); }
  void EndProgram() override { ended = true; }

  std::set<ScreenId> available{ScreenId::Home, ScreenId::Title, ScreenId::Disclaimer, ScreenId::Quit,
                               ScreenId::User, ScreenId::About, ScreenId::Help};
  std::vector<std::pair<ScreenId, Modality>> shown;
  std::vector<HelpTopic> help;
  std::vector<bool> sizes;
  bool ended = false;
};

}  // namespace zorvan
