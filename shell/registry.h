#pragma once
// CRegistry: the program's registry of keys and values, one open key per object.
// This platform has no system registry, so the keys live in text files of our
// own: the per-user sections (classes root, current user) in
// $XDG_CONFIG_HOME/zorvan/registry (default ~/.config/zorvan/registry), the
// machine-wide section in <first of $XDG_CONFIG_DIRS, default /etc/xdg>/zorvan/registry.
// Every change rewrites its file atomically (temporary file, flush, rename).
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "core/runtime_error.h"
#include "platform/ui.h"

namespace zorvan {

enum class RegistrySection { ClassesRoot, CurrentUser, LocalMachine };

// The value types the store keeps (the numbers are the classic type codes).
enum class RegistryType : int { Text = 1, Number = 4 };

// RegistryAccessDenied and RegistryQuiet: set by the class and the start-up
// routines, read by "Check_Administrator".
struct RegistryFlags {
  bool AccessDenied = false;
  bool Quiet = false;
};

// The number every failure raised by the class carries (application base + 2).
constexpr int kRegistryErrorNumber = -2147221502;

// The store file of a section (see above).
std::string RegistryStorePath(RegistrySection section);

// The user's entry in the password database, if there is one.
struct AccountEntry {
  std::string name, home, gecos;
};
std::optional<AccountEntry> CurrentAccount();

// The user's home folder: $HOME when it is an absolute path, else the one the
// password database names; "" when there is none.
std::string UserHomeFolder();

// The login name: $USER, else $LOGNAME, else the password database's name.
std::string LoginName();

// A failure raised by CRegistry: number kRegistryErrorNumber, its own
// description ("Failed to write new value to ... from Registry.") and source
// ("CRegistry:WriteValue").
class RegistryError : public RunTimeError {
 public:
  RegistryError(std::string description, std::string source);
  const std::string& Source() const { return source_; }

 private:
  std::string source_;
};

class CRegistry {
 public:
  // ui receives the reports of OpenKey, CloseKey, DeleteKey and ReadValue;
  // flags are the process's RegistryAccessDenied/RegistryQuiet (a private pair
  // when none is given).
  explicit CRegistry(Ui& ui);
  CRegistry(Ui& ui, RegistryFlags& flags);
  ~CRegistry();
  CRegistry(const CRegistry&) = delete;
  CRegistry& operator=(const CRegistry&) = delete;

  // Opens key (one leading "\" dropped, "/" read as "\") with full access,
  // creating it when createNew is set. Failures are reported under "Openkey".
  void OpenKey(RegistrySection section, const std::string& key, bool createNew);
  void CloseKey();
  // Closes and deletes the current key; failures reported under "Deletekey".
  void DeleteKey();
  // The text of a value ("" for the default value); "" when it cannot be read.
  std::string ReadValue(const std::string& valueName);
  // Writes a text value (its characters, no terminating zero). Throws RegistryError.
  void WriteValue(const std::string& valueName, const std::string& value);
  // Throws RegistryError.
  void DeleteValue(const std::string& valueName);
  // Fills the key information below. Throws RegistryError.
  void RefreshKeyInfo();

  bool KeyOpen() const { return keyOpen_; }
  RegistrySection Section() const { return section_; }
  const std::string& CurrentKey() const { return currentKey_; }
  const std::string& KeyClass() const { return keyClass_; }
  std::time_t LastWriteTime() const { return lastWriteTime_; }
  int32_t NumOfSubKeys() const { return numOfSubKeys_; }
  int32_t MaxSubkeyNameLength() const { return maxSubkeyNameLength_; }
  int32_t MaxClassNameLength() const { return maxClassNameLength_; }
  int32_t NumOfValues() const { return numOfValues_; }
  int32_t MaxValueNameLength() const { return maxValueNameLength_; }
  int32_t MaxValueLength() const { return maxValueLength_; }
  int32_t SecurityDescriptor() const { return securityDescriptor_; }
  RegistryFlags& Flags() { return *flags_; }

 private:
  Ui& ui_;
  RegistryFlags ownFlags_;
  RegistryFlags* flags_;
  bool keyOpen_ = false;
  RegistrySection section_ = RegistrySection::ClassesRoot;
  std::string currentKey_;
  std::string keyClass_;
  std::time_t lastWriteTime_ = 0;
  int32_t numOfSubKeys_ = 0;
  int32_t maxSubkeyNameLength_ = 0;
  int32_t maxClassNameLength_ = 0;
  int32_t numOfValues_ = 0;
  int32_t maxValueNameLength_ = 0;
  int32_t maxValueLength_ = 0;
  int32_t securityDescriptor_ = 0;
};

// The raw store, for the association routines and the tests: one section's
// keys and values as held in its file.
namespace registry_store {
// True when the key exists in the section's store.
bool KeyExists(RegistrySection section, const std::string& key);
// Creates the key (and its parents) when missing. Throws RunTimeError on a
// store that cannot be written.
void CreateKey(RegistrySection section, const std::string& key);
// Writes a value's bytes with its type. Throws RunTimeError.
void SetValue(RegistrySection section, const std::string& key, const std::string& valueName,
              RegistryType type, const std::string& bytes);
// A value's bytes and type; false when there is no such value.
bool GetValue(RegistrySection section, const std::string& key, const std::string& valueName,
              RegistryType& type, std::string& bytes);
// True when the section's store may be changed by this process.
bool Writable(RegistrySection section);
}  // namespace registry_store

}  // namespace zorvan
