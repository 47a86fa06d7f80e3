// The model-file association, the owner's name, administrator rights and long
// paths. The association is kept twice: the three classic entries in the
// program's registry store, and the desktop's own registration (a .desktop
// entry and a shared-mime-info package in the user's data folder), which is
// what file managers and xdg-open honour.
#include "shell/association.h"

#include "core/program_values.h"

#include <fcntl.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "files/atomic_file.h"
#include "core/error_report.h"

extern char** environ;

namespace zorvan {

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

// "SetValueEx": a text with its terminating zero (the length counts it), a
// number as its four bytes, lowest first; other types write nothing.
void SetValueEx(const std::string& key, const std::string& valueName, RegistryType type, const std::string& value) {
  if (type == RegistryType::Text) {
    registry_store::SetValue(RegistrySection::ClassesRoot, key, valueName, type, value + '\0');
  } else if (type == RegistryType::Number) {
    uint32_t n = static_cast<uint32_t>(std::strtoll(value.c_str(), nullptr, 10));
    std::string bytes;
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>((n >> (8 * i)) & 0xff);
    registry_store::SetValue(RegistrySection::ClassesRoot, key, valueName, type, bytes);
  }
}

// One argument of a desktop entry's Exec line, quoted when it holds reserved
// characters, then escaped as a desktop-entry string.
std::string ExecArgument(const std::string& arg) {
  const std::string reserved = " \t\n\"'\\><~|&;$*?#()`";
  std::string a;
  bool quote = arg.find_first_of(reserved) != std::string::npos;
  for (char c : arg) {
    if (c == '%') {
      a += "%%";
    } else if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) {
      a += '\\';
      a += c;
    } else {
      a += c;
    }
  }
  if (quote) a = '"' + a + '"';
  std::string escaped;
  for (char c : a) {
    if (c == '\\') escaped += "\\\\";
    else if (c == '\n') escaped += "\\n";
    else escaped += c;
  }
  return escaped;
}

std::string XmlText(const std::string& s) {
  std::string out;
  for (char c : s) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string FileText(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Writes the file when its text differs; true when it was written.
bool WriteIfChanged(const fs::path& p, const std::string& text) {
  std::error_code ec;
  if (fs::exists(p, ec) && FileText(p) == text) return false;
  fs::create_directories(p.parent_path(), ec);
  ReplaceFileAtomically(p.string(), text);
  return true;
}

// The full path of a tool found on PATH, or "".
std::string FindTool(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path != nullptr ? path : "/usr/bin:/bin");
  std::string dir;
  while (std::getline(dirs, dir, ':')) {
    if (dir.empty()) continue;
    fs::path candidate = fs::path(dir) / name;
    if (::access(candidate.c_str(), X_OK) == 0) return candidate.string();
  }
  return {};
}

// Runs a tool quietly and waits for it. A missing or failing tool only means the
// desktop sees the change later, so it is not reported.
void RunQuietly(const std::string& tool, const std::string& argument) {
  std::string file = FindTool(tool);
  if (file.empty()) return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<std::string> args{file, argument};
  std::vector<char*> argv{args[0].data(), args[1].data(), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, file.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }
  posix_spawn_file_actions_destroy(&actions);
}

// The desktop's registration: the entry and the mime package, and the caches
// that the desktop reads, refreshed when something changed or is missing.
void RegisterWithDesktop(const std::string& docName, const std::string& ext, const std::string& programFile) {
  fs::path data = UserDataFolder();
  if (data.empty()) RaiseError(err::PathNotFound);
  fs::path applications = data / "applications";
  fs::path mime = data / "mime";
  bool entryChanged = WriteIfChanged(applications / (Lower(docName) + ".desktop"),
                                     DesktopEntryText(docName, programFile));
  bool packageChanged = WriteIfChanged(mime / "packages" / (Lower(docName) + ".xml"), MimePackageText(docName, ext));
  std::error_code ec;
  if (packageChanged || !fs::exists(mime / "mime.cache", ec)) RunQuietly("update-mime-database", mime.string());
  if (entryChanged || !fs::exists(applications / "mimeinfo.cache", ec))
    RunQuietly("update-desktop-database", applications.string());
}

}  // namespace

std::string UserDataFolder() {
  const char* v = std::getenv("XDG_DATA_HOME");
  if (v != nullptr && v[0] == '/') return v;
  std::string home = UserHomeFolder();
  return home.empty() ? std::string{} : home + "/.local/share";
}

std::string ProgramFolder() {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string{} : self.parent_path().string();
}

bool CreateNewKey(Ui& ui, const std::string& key, RegistrySection root) {
  return Guarded(ui, "CreateNewKey", [&] { registry_store::CreateKey(root, key); });
}

bool SetKeyValue(Ui& ui, const std::string& key, const std::string& valueName, const std::string& value,
                 RegistryType type) {
  bool opened = Guarded(ui, "SetKeyValue", [&] {
    if (!registry_store::KeyExists(RegistrySection::ClassesRoot, key)) RaiseError(err::PathNotFound);
  });
  return opened && Guarded(ui, "SetValueEx", [&] { SetValueEx(key, valueName, type, value); });
}

std::string DesktopEntryText(const std::string& docName, const std::string& programFile) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=" + docName + "\n"
         "GenericName=Piston Engine Design\n"
         "Comment=Kinematic and dynamic design of reciprocating piston engines and compressors\n"
         "Exec=" + ExecArgument(programFile) + " %f\n"
         "Icon=" + Lower(docName) + "\n"
         "Terminal=false\n"
         "MimeType=" + kModelMimeType + ";\n"
         "Categories=Science;Engineering;\n";
}

std::string MimePackageText(const std::string& docName, const std::string& ext) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
         "  <mime-type type=\"" + std::string(kModelMimeType) + "\">\n"
         "    <comment>" + XmlText(docName) + " model</comment>\n"
         "    <sub-class-of type=\"text/plain\"/>\n"
         "    <glob pattern=\"*." + XmlText(ext) + "\"/>\n"
         // A model file's first line is the product title in quotes, whatever its name.
         "    <magic priority=\"50\">\n"
         "      <match type=\"string\" offset=\"0\" value=\"" + XmlText("\"" + ProgramValues{}.ProductTitle + "\"") + "\"/>\n"
         "    </magic>\n"
         "  </mime-type>\n"
         "</mime-info>\n";
}

bool CreateAssociation(Ui& ui, const std::string& docName, const std::string& ext) {
  std::string folder = ProgramFolder();
  return CreateAssociation(ui, docName, ext, (folder.empty() ? "" : folder + "/") + Lower(docName));
}

bool CreateAssociation(Ui& ui, const std::string& docName, const std::string& ext, const std::string& programFile) {
  const std::string extensionKey = "." + ext;
  const std::string documentKey = docName + ".Document";
  const std::string commandKey = documentKey + "\\shell\\open\\command";
  // Each start rewrites the entries, so they always name the program as it is now.
  bool ok = CreateNewKey(ui, extensionKey, RegistrySection::ClassesRoot);
  ok = ok && SetKeyValue(ui, extensionKey, "", documentKey, RegistryType::Text);
  ok = ok && CreateNewKey(ui, commandKey, RegistrySection::ClassesRoot);
  ok = ok && SetKeyValue(ui, documentKey, "", docName + " File", RegistryType::Text);
  ok = ok && SetKeyValue(ui, commandKey, "", programFile + " %1", RegistryType::Text);
  return Guarded(ui, "CreateAssociation", [&] { RegisterWithDesktop(docName, ext, programFile); }) && ok;
}

void Get_Owner(Ui& ui, std::string& organisation, std::string& owner, std::string& operatingSystem) {
  Guarded(ui, "Get_Owner", [&] {
    std::optional<AccountEntry> account = CurrentAccount();
    if (!account) RaiseError(err::PathNotFound);
    // The full name is the first comma-separated part of the comment field.
    std::string fullName = account->gecos.substr(0, account->gecos.find(','));
    utsname system{};
    std::string os = uname(&system) == 0 ? system.sysname : "";
    organisation.clear();
    owner = fullName.empty() ? account->name : fullName;
    operatingSystem = os;
  });
}

std::string Get_Owner(Ui& ui) {
  std::string organisation, owner, os;
  Get_Owner(ui, organisation, owner, os);
  return owner;
}

bool Check_Administrator(Ui&) {
  return geteuid() == 0 || registry_store::Writable(RegistrySection::LocalMachine);
}

std::string GetLongPathFromShortPath(const std::string& path) {
  if (path.empty()) return {};
  std::error_code ec;
  fs::path canonical = fs::canonical(path, ec);
  return ec ? std::string{} : canonical.string();
}

}  // namespace zorvan
