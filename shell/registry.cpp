// Placeholder bodies; replaced by the registry store.
#include "shell/registry.h"
namespace zorvan {
std::string RegistryStorePath(RegistrySection) { return {}; }
RegistryError::RegistryError(std::string, std::string source) : RunTimeError(kRegistryErrorNumber), source_(std::move(source)) {}
CRegistry::CRegistry(Ui& ui) : ui_(ui), flags_(&ownFlags_) {}
CRegistry::CRegistry(Ui& ui, RegistryFlags& flags) : ui_(ui), flags_(&flags) {}
CRegistry::~CRegistry() = default;
void CRegistry::OpenKey(RegistrySection, const std::string&, bool) { flags_->AccessDenied = true; }
void CRegistry::CloseKey() {}
void CRegistry::DeleteKey() {}
std::string CRegistry::ReadValue(const std::string&) { return {}; }
void CRegistry::WriteValue(const std::string&, const std::string&) { RaiseError(51); }
void CRegistry::DeleteValue(const std::string&) { RaiseError(51); }
void CRegistry::RefreshKeyInfo() { RaiseError(51); }
namespace registry_store {
bool KeyExists(RegistrySection, const std::string&) { return false; }
void CreateKey(RegistrySection, const std::string&) { RaiseError(51); }
void SetValue(RegistrySection, const std::string&, const std::string&, RegistryType, const std::string&) { RaiseError(51); }
bool GetValue(RegistrySection, const std::string&, const std::string&, RegistryType&, std::string&) { return false; }
bool Writable(RegistrySection) { return false; }
}  // namespace registry_store
}  // namespace zorvan
