// Placeholder bodies; replaced by the association routines.
#include "shell/association.h"
namespace zorvan {
bool CreateAssociation(Ui&, const std::string&, const std::string&) { return false; }
bool CreateAssociation(Ui&, const std::string&, const std::string&, const std::string&) { return false; }
void CreateNewKey(Ui&, const std::string&, RegistrySection) {}
void SetKeyValue(Ui&, const std::string&, const std::string&, const std::string&, RegistryType) {}
std::string DesktopEntryText(const std::string&) { return {}; }
std::string MimePackageText() { return {}; }
void Get_Owner(Ui&, std::string&, std::string&, std::string&) {}
std::string Get_Owner(Ui&) { return {}; }
bool Check_Administrator(Ui&) { return false; }
std::string GetLongPathFromShortPath(const std::string&) { return {}; }
std::string ProgramFolder() { return {}; }
}  // namespace zorvan
