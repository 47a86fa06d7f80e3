#pragma once
// Start-up routines around the registry: the model-file association, the
// owner's name, administrator rights and the long form of a path.
#include <string>

#include "platform/ui.h"
#include "shell/registry.h"

namespace zorvan {

// The media type of model files.
inline constexpr const char* kModelMimeType = "application/x-zorvan-model";

// Records the association of *.ext with the program ("." + ext, docName +
// ".Document", docName + ".Document\shell\open\command" in the classes root of
// the registry) and registers it with the desktop: a docName-lowercase ".desktop"
// entry in $XDG_DATA_HOME/applications and a shared-mime-info package for *.ext
// in $XDG_DATA_HOME/mime/packages, refreshing the desktop and mime databases
// when their tools are installed. programFile is the program to start for a
// file; the first form uses the "zorvan" program beside the running one.
// Failures are reported under "CreateAssociation" (or the routine that failed);
// returns false then, and start-up goes on.
bool CreateAssociation(Ui& ui, const std::string& docName, const std::string& ext);
bool CreateAssociation(Ui& ui, const std::string& docName, const std::string& ext,
                       const std::string& programFile);

// The association's registry routines; each reports its own failure under its
// own name and returns false then.
bool CreateNewKey(Ui& ui, const std::string& key, RegistrySection root);
// Writes a value of a classes-root key: a text (type Text) with its terminating
// zero, a number (type Number, given as decimal text) as four bytes.
bool SetKeyValue(Ui& ui, const std::string& key, const std::string& valueName, const std::string& value,
                 RegistryType type);

// The texts of the desktop entry and of the mime package that CreateAssociation
// writes (also installed system-wide by the build, there with the plain command
// "zorvan").
std::string DesktopEntryText(const std::string& docName, const std::string& programFile);
std::string MimePackageText(const std::string& docName, const std::string& ext);
// The user's data folder: $XDG_DATA_HOME, else ~/.local/share ("" without a home).
std::string UserDataFolder();

// The organisation, the owner (the account's full name from the password
// database, else its login name) and the operating system. Failures are
// reported under "Get_Owner"; outputs unchanged then.
void Get_Owner(Ui& ui, std::string& organisation, std::string& owner, std::string& operatingSystem);
// The owner alone ("" when there is none).
std::string Get_Owner(Ui& ui);

// True for the superuser, or when the machine-wide registry store may be written.
bool Check_Administrator(Ui& ui);

// The canonical absolute path of an existing file or folder; "" when it has none.
std::string GetLongPathFromShortPath(const std::string& path);

// The folder of the running program ("" when it cannot be found).
std::string ProgramFolder();

}  // namespace zorvan
