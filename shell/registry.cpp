// The registry store and CRegistry over it. A store file holds one line per
// key and per value:
//   key "<root>\<path>" <last write, seconds since 1970> "<class>"
//   value "<name>" <type> "<bytes>"        (belongs to the key above it)
// Quoted texts escape backslash, quote and control characters. Key names are
// compared without regard to letter case, as the classic registry does.
#include "shell/registry.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "files/atomic_file.h"
#include "core/error_report.h"

namespace zorvan {

namespace fs = std::filesystem;

RegistryError::RegistryError(std::string description, std::string source)
    : RunTimeError(kRegistryErrorNumber, description), source_(std::move(source)) {}

namespace {

// ---- the store file ----------------------------------------------------------

struct StoredValue {
  std::string name;
  RegistryType type = RegistryType::Text;
  std::string bytes;
};

struct StoredKey {
  std::string path;  // "<root>\<key>", the root alone for the section's top
  std::time_t written = 0;
  std::string keyClass;
  std::vector<StoredValue> values;
};

struct Store {
  std::vector<StoredKey> keys;
};

const char* RootName(RegistrySection s) {
  switch (s) {
    case RegistrySection::ClassesRoot: return "HKEY_CLASSES_ROOT";
    case RegistrySection::CurrentUser: return "HKEY_CURRENT_USER";
    default: return "HKEY_LOCAL_MACHINE";
  }
}

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

bool SameName(const std::string& a, const std::string& b) { return Lower(a) == Lower(b); }

std::string FullPath(RegistrySection s, const std::string& key) {
  return key.empty() ? RootName(s) : std::string(RootName(s)) + "\\" + key;
}

std::string Quote(const std::string& s) {
  static const char* hex = "0123456789abcdef";
  std::string q = "\"";
  for (unsigned char c : s) {
    if (c == '\\' || c == '"') {
      q += '\\';
      q += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7f) {
      q += "\\x";
      q += hex[c >> 4];
      q += hex[c & 15];
    } else {
      q += static_cast<char>(c);
    }
  }
  return q + "\"";
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads a quoted text at pos; false when the line does not hold one there.
bool Unquote(const std::string& line, std::size_t& pos, std::string& out) {
  while (pos < line.size() && line[pos] == ' ') ++pos;
  if (pos >= line.size() || line[pos] != '"') return false;
  out.clear();
  for (++pos; pos < line.size(); ++pos) {
    char c = line[pos];
    if (c == '"') {
      ++pos;
      return true;
    }
    if (c != '\\') {
      out += c;
      continue;
    }
    if (++pos >= line.size()) return false;
    if (line[pos] != 'x') {
      out += line[pos];
      continue;
    }
    if (pos + 2 >= line.size()) return false;
    int hi = HexDigit(line[pos + 1]), lo = HexDigit(line[pos + 2]);
    if (hi < 0 || lo < 0) return false;
    out += static_cast<char>(hi * 16 + lo);
    pos += 2;
  }
  return false;
}

bool ReadNumber(const std::string& line, std::size_t& pos, long long& out) {
  while (pos < line.size() && line[pos] == ' ') ++pos;
  std::size_t start = pos;
  if (pos < line.size() && line[pos] == '-') ++pos;
  while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9') ++pos;
  if (pos == start || pos - start > 18) return false;
  out = std::atoll(line.substr(start, pos - start).c_str());
  return true;
}

// Lines that do not parse are skipped: a damaged store loses only those entries.
Store LoadStore(RegistrySection section) {
  Store store;
  std::ifstream in(RegistryStorePath(section), std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    std::size_t pos = 0;
    if (line.rfind("key ", 0) == 0) {
      pos = 4;
      StoredKey key;
      long long written = 0;
      if (Unquote(line, pos, key.path) && ReadNumber(line, pos, written) && Unquote(line, pos, key.keyClass)) {
        key.written = static_cast<std::time_t>(written);
        store.keys.push_back(std::move(key));
      }
    } else if (line.rfind("value ", 0) == 0 && !store.keys.empty()) {
      pos = 6;
      StoredValue value;
      long long type = 0;
      if (Unquote(line, pos, value.name) && ReadNumber(line, pos, type) && Unquote(line, pos, value.bytes) &&
          (type == 1 || type == 4)) {
        value.type = static_cast<RegistryType>(type);
        store.keys.back().values.push_back(std::move(value));
      }
    }
  }
  return store;
}

void SaveStore(RegistrySection section, const Store& store) {
  std::ostringstream out;
  out << "# ZORVAN registry: keys and values of the program\n";
  for (const StoredKey& key : store.keys) {
    out << "key " << Quote(key.path) << ' ' << static_cast<long long>(key.written) << ' ' << Quote(key.keyClass)
        << '\n';
    for (const StoredValue& v : key.values)
      out << "value " << Quote(v.name) << ' ' << static_cast<int>(v.type) << ' ' << Quote(v.bytes) << '\n';
  }
  fs::path file = RegistryStorePath(section);
  std::error_code ec;
  fs::create_directories(file.parent_path(), ec);
  ReplaceFileAtomically(file.string(), out.str());
}

StoredKey* FindKey(Store& store, const std::string& fullPath) {
  for (StoredKey& key : store.keys)
    if (SameName(key.path, fullPath)) return &key;
  return nullptr;
}

StoredValue* FindValue(StoredKey& key, const std::string& name) {
  for (StoredValue& v : key.values)
    if (SameName(v.name, name)) return &v;
  return nullptr;
}

// Creates fullPath and every missing key above it; true when anything was added.
bool AddKeys(Store& store, const std::string& fullPath) {
  bool added = false;
  std::size_t end = 0;
  while (end != std::string::npos) {
    end = fullPath.find('\\', end + 1);
    std::string part = fullPath.substr(0, end);
    if (part.empty() || part.back() == '\\' || FindKey(store, part)) continue;
    store.keys.push_back({part, std::time(nullptr), "", {}});
    added = true;
  }
  return added;
}

bool IsChild(const std::string& parent, const std::string& path) {
  std::string p = Lower(parent) + "\\", c = Lower(path);
  return c.size() > p.size() && c.compare(0, p.size(), p) == 0 && c.find('\\', p.size()) == std::string::npos;
}

// "/Software/Test" and "\Software\Test" name the key Software\Test.
std::string NormalKey(std::string key) {
  std::replace(key.begin(), key.end(), '/', '\\');
  if (!key.empty() && key.front() == '\\') key.erase(0, 1);
  return key;
}

std::string EnvironmentFolder(const char* name, const std::string& fallback) {
  const char* v = std::getenv(name);
  if (v != nullptr && v[0] == '/') return v;
  return fallback;
}

// The text of a value's bytes, without the terminating zero.
std::string TextOf(const std::string& bytes) { return bytes.substr(0, bytes.find('\0')); }

}  // namespace

std::string RegistryStorePath(RegistrySection section) {
  if (section == RegistrySection::LocalMachine) {
    std::string dirs = EnvironmentFolder("XDG_CONFIG_DIRS", "/etc/xdg");
    std::string first = dirs.substr(0, dirs.find(':'));
    if (first.empty() || first[0] != '/') first = "/etc/xdg";
    return first + "/zorvan/registry";
  }
  std::string home = UserHomeFolder();
  // Without a home folder the store lies in a folder no one else writes to.
  std::string fallback = home.empty() ? "/nonexistent" : home + "/.config";
  return EnvironmentFolder("XDG_CONFIG_HOME", fallback) + "/zorvan/registry";
}

std::optional<AccountEntry> CurrentAccount() {
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr)
    return std::nullopt;
  auto text = [](const char* s) { return std::string(s != nullptr ? s : ""); };
  return AccountEntry{text(found->pw_name), text(found->pw_dir), text(found->pw_gecos)};
}

std::string UserHomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return home;
  std::optional<AccountEntry> account = CurrentAccount();
  return account && account->home.starts_with('/') ? account->home : std::string{};
}

std::string LoginName() {
  for (const char* name : {"USER", "LOGNAME"}) {
    const char* v = std::getenv(name);
    if (v != nullptr && v[0] != '\0') return v;
  }
  std::optional<AccountEntry> account = CurrentAccount();
  return account ? account->name : std::string{};
}

namespace registry_store {

bool Writable(RegistrySection section) {
  fs::path file = RegistryStorePath(section);
  std::error_code ec;
  if (fs::exists(file, ec) && ::access(file.c_str(), W_OK) != 0) return false;
  // The file is replaced by a rename, so its folder (or the nearest folder that
  // exists, where the missing ones would be made) must be writable.
  fs::path folder = file.parent_path();
  while (!folder.empty() && !fs::exists(folder, ec)) {
    if (folder == folder.parent_path()) break;
    folder = folder.parent_path();
  }
  return ::access(folder.c_str(), W_OK) == 0;
}

bool KeyExists(RegistrySection section, const std::string& key) {
  std::string k = NormalKey(key);
  if (k.empty()) return true;
  Store store = LoadStore(section);
  return FindKey(store, FullPath(section, k)) != nullptr;
}

void CreateKey(RegistrySection section, const std::string& key) {
  if (!Writable(section)) RaiseError(err::PermissionDenied);
  Store store = LoadStore(section);
  if (AddKeys(store, FullPath(section, NormalKey(key)))) SaveStore(section, store);
}

void SetValue(RegistrySection section, const std::string& key, const std::string& valueName, RegistryType type,
              const std::string& bytes) {
  if (!Writable(section)) RaiseError(err::PermissionDenied);
  Store store = LoadStore(section);
  std::string path = FullPath(section, NormalKey(key));
  AddKeys(store, path);
  StoredKey* k = FindKey(store, path);
  StoredValue* v = FindValue(*k, valueName);
  if (v == nullptr) {
    k->values.push_back({valueName, type, bytes});
  } else {
    v->type = type;
    v->bytes = bytes;
  }
  k->written = std::time(nullptr);
  SaveStore(section, store);
}

bool GetValue(RegistrySection section, const std::string& key, const std::string& valueName, RegistryType& type,
              std::string& bytes) {
  Store store = LoadStore(section);
  StoredKey* k = FindKey(store, FullPath(section, NormalKey(key)));
  if (k == nullptr) return false;
  StoredValue* v = FindValue(*k, valueName);
  if (v == nullptr) return false;
  type = v->type;
  bytes = v->bytes;
  return true;
}

}  // namespace registry_store

// ---- CRegistry ------------------------------------------------------------------

CRegistry::CRegistry(Ui& ui) : ui_(ui), flags_(&ownFlags_) {}
CRegistry::CRegistry(Ui& ui, RegistryFlags& flags) : ui_(ui), flags_(&flags) {}
CRegistry::~CRegistry() { CloseKey(); }

void CRegistry::OpenKey(RegistrySection section, const std::string& key, bool createNew) {
  try {
    CloseKey();
    std::string k = NormalKey(key);
    // Full access: the key exists and its store may be changed.
    bool opened = registry_store::Writable(section) && registry_store::KeyExists(section, k);
    if (!opened && createNew) {
      try {
        registry_store::CreateKey(section, k);
      } catch (const std::exception&) {
        throw RegistryError("Failed to create key " + k + ".", "CRegistry:OpenKey");
      }
      opened = true;
    }
    if (!opened) {
      flags_->AccessDenied = true;
      return;
    }
    keyOpen_ = true;
    section_ = section;
    currentKey_ = k;
  } catch (const std::exception& e) {
    flags_->AccessDenied = true;
    ErrorReport(ui_, ErrorNumberOf(e), ErrorDescriptionOf(e), "Openkey");
  }
}

void CRegistry::CloseKey() {
  keyOpen_ = false;
  currentKey_.clear();
}

void CRegistry::DeleteKey() {
  std::string key = currentKey_;
  try {
    CloseKey();
    try {
      if (key.empty() || !registry_store::Writable(section_)) RaiseError(err::PermissionDenied);
      Store store = LoadStore(section_);
      std::string path = FullPath(section_, key);
      auto it = std::find_if(store.keys.begin(), store.keys.end(),
                             [&](const StoredKey& k) { return SameName(k.path, path); });
      if (it == store.keys.end()) RaiseError(err::PathNotFound);
      // As the classic registry, a key that still has subkeys is not deleted.
      for (const StoredKey& k : store.keys)
        if (IsChild(path, k.path)) RaiseError(err::PermissionDenied);
      store.keys.erase(it);
      SaveStore(section_, store);
    } catch (const RegistryError&) {
      throw;
    } catch (const std::exception&) {
      throw RegistryError("Failed to delete key " + key + ".", "CRegistry:DeleteKey");
    }
  } catch (const std::exception& e) {
    flags_->AccessDenied = true;
    ErrorReport(ui_, ErrorNumberOf(e), ErrorDescriptionOf(e), "Deletekey");
  }
}

std::string CRegistry::ReadValue(const std::string& valueName) {
  int check = 1;
  try {
    if (!keyOpen_) throw RegistryError("No key is currently open.", "CRegistry:ReadValue");
    check = 2;
    RegistryType type;
    std::string bytes;
    if (!registry_store::GetValue(section_, currentKey_, valueName, type, bytes)) return {};
    check = 3;
    return type == RegistryType::Text ? TextOf(bytes) : std::string{};
  } catch (const std::exception& e) {
    flags_->AccessDenied = true;
    if (!flags_->Quiet)
      ErrorReport(ui_, ErrorNumberOf(e), ErrorDescriptionOf(e), "ReadValue: Check =  " + std::to_string(check));
    return {};
  }
}

void CRegistry::WriteValue(const std::string& valueName, const std::string& value) {
  if (!keyOpen_) throw RegistryError("No key is currently open.", "CRegistry:WriteValue");
  try {
    registry_store::SetValue(section_, currentKey_, valueName, RegistryType::Text, value);
  } catch (const std::exception&) {
    throw RegistryError("Failed to write new value to " + valueName + " from Registry.", "CRegistry:WriteValue");
  }
}

void CRegistry::DeleteValue(const std::string& valueName) {
  if (!keyOpen_) throw RegistryError("No key is currently open.", "CRegistry:DeleteValue");
  try {
    if (!registry_store::Writable(section_)) RaiseError(err::PermissionDenied);
    Store store = LoadStore(section_);
    StoredKey* k = FindKey(store, FullPath(section_, currentKey_));
    if (k == nullptr) RaiseError(err::PathNotFound);
    auto it = std::find_if(k->values.begin(), k->values.end(),
                           [&](const StoredValue& v) { return SameName(v.name, valueName); });
    if (it == k->values.end()) RaiseError(err::PathNotFound);
    k->values.erase(it);
    k->written = std::time(nullptr);
    SaveStore(section_, store);
  } catch (const std::exception&) {
    throw RegistryError("Failed to delete value " + valueName + " from Registry.", "CRegistry:DeleteValue");
  }
}

void CRegistry::RefreshKeyInfo() {
  Store store = LoadStore(section_);
  std::string path = FullPath(section_, currentKey_);
  StoredKey* key = keyOpen_ ? FindKey(store, path) : nullptr;
  if (key == nullptr) throw RegistryError("Failed to retrieve key information.", "CRegistry:RefreshKeyInfo");
  keyClass_ = key->keyClass;
  lastWriteTime_ = key->written;
  numOfSubKeys_ = maxSubkeyNameLength_ = maxClassNameLength_ = 0;
  for (const StoredKey& k : store.keys) {
    if (!IsChild(path, k.path)) continue;
    ++numOfSubKeys_;
    int32_t name = static_cast<int32_t>(k.path.size() - path.size() - 1);
    maxSubkeyNameLength_ = std::max(maxSubkeyNameLength_, name);
    maxClassNameLength_ = std::max(maxClassNameLength_, static_cast<int32_t>(k.keyClass.size()));
  }
  numOfValues_ = static_cast<int32_t>(key->values.size());
  maxValueNameLength_ = maxValueLength_ = 0;
  for (const StoredValue& v : key->values) {
    maxValueNameLength_ = std::max(maxValueNameLength_, static_cast<int32_t>(v.name.size()));
    maxValueLength_ = std::max(maxValueLength_, static_cast<int32_t>(v.bytes.size()));
  }
  securityDescriptor_ = 0;  // the store keeps no access lists: the file's permissions rule
}

}  // namespace zorvan
