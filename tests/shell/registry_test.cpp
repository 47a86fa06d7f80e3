// The registry store, CRegistry, the model-file association and the start-up
// routines, with the XDG folders pointed at a scratch folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "tests/support/recording_ui.h"
#include "tests/support/unprivileged.h"
#include "shell/association.h"
#include "shell/registry.h"

namespace zorvan {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class Registry : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("zorvan-registry-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "home");
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_DIRS"}) {
      const char* v = std::getenv(name);
      saved.emplace_back(name, v ? std::optional<std::string>(v) : std::nullopt);
    }
    ::setenv("HOME", (root / "home").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
    ::setenv("XDG_CONFIG_DIRS", (root / "system").c_str(), 1);
  }
  void TearDown() override {
    for (const auto& [name, value] : saved) {
      if (value)
        ::setenv(name.c_str(), value->c_str(), 1);
      else
        ::unsetenv(name.c_str());
    }
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(root);
  }
  fs::path root;
  std::vector<std::pair<std::string, std::optional<std::string>>> saved;
  RecordingUi ui;
};

TEST_F(Registry, StoresLiveInTheXdgConfigFolders) {
  EXPECT_EQ(RegistryStorePath(RegistrySection::ClassesRoot), (root / "config/zorvan/registry").string());
  EXPECT_EQ(RegistryStorePath(RegistrySection::LocalMachine), (root / "system/zorvan/registry").string());
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(RegistryStorePath(RegistrySection::CurrentUser), (root / "home/.config/zorvan/registry").string());
}

TEST_F(Registry, KeysAndValuesPersistAcrossObjects) {
  {
    CRegistry reg(ui);
    reg.OpenKey(RegistrySection::CurrentUser, "/Software/Test", true);
    ASSERT_TRUE(reg.KeyOpen());
    EXPECT_EQ(reg.CurrentKey(), "Software\\Test");
    reg.WriteValue("Owner", "Ada \"the\" Engineer\nsecond line");
    reg.WriteValue("", "default");
  }
  CRegistry again(ui);
  again.OpenKey(RegistrySection::CurrentUser, "software\\TEST", false);  // letter case does not matter
  ASSERT_TRUE(again.KeyOpen());
  EXPECT_EQ(again.ReadValue("owner"), "Ada \"the\" Engineer\nsecond line");
  EXPECT_EQ(again.ReadValue(""), "default");
  EXPECT_EQ(again.ReadValue("Missing"), "");
  again.DeleteValue("Owner");
  EXPECT_EQ(again.ReadValue("Owner"), "");
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(again.Flags().AccessDenied);
  EXPECT_TRUE(fs::exists(root / "config/zorvan/registry"));
  // A classes-root key is a different key from the same path for the user.
  EXPECT_FALSE(registry_store::KeyExists(RegistrySection::ClassesRoot, "Software\\Test"));
}

TEST_F(Registry, FailuresAreReportedOrRaisedWithTheirOwnTexts) {
  RegistryFlags flags;
  CRegistry reg(ui, flags);
  reg.OpenKey(RegistrySection::CurrentUser, "Software\\Nothing", false);
  EXPECT_FALSE(reg.KeyOpen());
  EXPECT_TRUE(flags.AccessDenied);
  EXPECT_TRUE(ui.messages.empty());

  EXPECT_EQ(reg.ReadValue("x"), "");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "Error -2147221502   (No key is currently open.)  has occurred in ReadValue: Check =  1\r\n\r\n");
  flags.Quiet = true;
  EXPECT_EQ(reg.ReadValue("x"), "");
  EXPECT_EQ(ui.messages.size(), 1u);

  try {
    reg.WriteValue("Name", "v");
    ADD_FAILURE() << "wrote without a key";
  } catch (const RegistryError& e) {
    EXPECT_EQ(e.Number(), kRegistryErrorNumber);
    EXPECT_EQ(e.Description(), "No key is currently open.");
    EXPECT_EQ(e.Source(), "CRegistry:WriteValue");
  }
  reg.OpenKey(RegistrySection::CurrentUser, "Software\\Parent\\Child", true);
  try {
    reg.DeleteValue("Absent");
    ADD_FAILURE() << "deleted a value that is not there";
  } catch (const RegistryError& e) {
    EXPECT_EQ(e.Description(), "Failed to delete value Absent from Registry.");
    EXPECT_EQ(e.Source(), "CRegistry:DeleteValue");
  }
  // A key that still has subkeys is not deleted.
  reg.OpenKey(RegistrySection::CurrentUser, "Software\\Parent", false);
  reg.DeleteKey();
  EXPECT_EQ(ui.messages.back().text,
            "Error -2147221502   (Failed to delete key Software\\Parent.)  has occurred in Deletekey\r\n\r\n");
  EXPECT_TRUE(registry_store::KeyExists(RegistrySection::CurrentUser, "Software\\Parent"));
  reg.OpenKey(RegistrySection::CurrentUser, "Software\\Parent\\Child", false);
  reg.DeleteKey();
  EXPECT_FALSE(reg.KeyOpen());
  EXPECT_FALSE(registry_store::KeyExists(RegistrySection::CurrentUser, "Software\\Parent\\Child"));
}

TEST_F(Registry, KeyInformationCountsValuesAndSubkeys) {
  ASSERT_TRUE(CreateNewKey(ui, "Doc.Document\\shell\\open\\command", RegistrySection::ClassesRoot));
  ASSERT_TRUE(SetKeyValue(ui, "Doc.Document", "", "Doc File", RegistryType::Text));
  ASSERT_TRUE(SetKeyValue(ui, "Doc.Document", "Flags", "258", RegistryType::Number));
  CRegistry reg(ui);
  reg.OpenKey(RegistrySection::ClassesRoot, "Doc.Document", false);
  reg.WriteValue("Plain", "Doc File");
  reg.RefreshKeyInfo();
  EXPECT_EQ(reg.NumOfSubKeys(), 1);
  EXPECT_EQ(reg.MaxSubkeyNameLength(), 5);  // "shell"
  EXPECT_EQ(reg.NumOfValues(), 3);
  EXPECT_EQ(reg.MaxValueNameLength(), 5);
  // The text written by SetValueEx counts its terminating zero; WriteValue's does not.
  EXPECT_EQ(reg.MaxValueLength(), 9);
  EXPECT_EQ(reg.ReadValue(""), "Doc File");
  RegistryType type;
  std::string bytes;
  ASSERT_TRUE(registry_store::GetValue(RegistrySection::ClassesRoot, "Doc.Document", "Flags", type, bytes));
  EXPECT_EQ(type, RegistryType::Number);
  EXPECT_EQ(bytes, std::string("\x02\x01\x00\x00", 4));
  EXPECT_GT(reg.LastWriteTime(), 0);

  // A value of a key that does not exist is refused under the routine's name.
  EXPECT_FALSE(SetKeyValue(ui, "No.Such.Key", "", "x", RegistryType::Text));
  EXPECT_NE(ui.messages.back().text.find("has occurred in SetKeyValue"), std::string::npos);
}

TEST_F(Registry, DamagedStoreLinesAreSkipped) {
  fs::create_directories(root / "config/zorvan");
  std::ofstream(root / "config/zorvan/registry")
      << "garbage\nkey \"HKEY_CURRENT_USER\\\\Good\" 5 \"\"\nvalue \"a\" 1 \"x\\x41\"\nvalue \"b\" 9 \"bad type\"\n"
         "key \"unterminated\nvalue \"c\" 1 \"\\q\"\n";
  CRegistry reg(ui);
  reg.OpenKey(RegistrySection::CurrentUser, "Good", false);
  ASSERT_TRUE(reg.KeyOpen());
  EXPECT_EQ(reg.ReadValue("a"), "xA");
  EXPECT_EQ(reg.ReadValue("b"), "");
  EXPECT_EQ(reg.ReadValue("c"), "q");
}

TEST_F(Registry, AdministratorWhenTheMachineStoreIsWritable) {
  EXPECT_TRUE(Check_Administrator(ui));
  fs::create_directories(root / "system");
  fs::permissions(root / "system", fs::perms::owner_read | fs::perms::owner_exec);
  // Anyone else is refused the read-only machine store, and told so.
  const auto outcome = testing::AsUnprivilegedUser(root, []() -> std::string {
    RecordingUi user;
    std::string wrong;
    if (Check_Administrator(user)) wrong += "an administrator; ";
    CRegistry reg(user);
    reg.OpenKey(RegistrySection::LocalMachine, "Software\\ZORVAN", true);
    if (reg.KeyOpen() || !reg.Flags().AccessDenied) wrong += "the key opened; ";
    const std::string told = user.messages.empty() ? "nothing" : user.messages[0].text;
    if (user.messages.size() != 1 ||
        told != "Error -2147221502   (Failed to create key Software\\ZORVAN.)  has occurred in Openkey\r\n\r\n")
      wrong += "told " + told;
    return wrong;
  });
  EXPECT_EQ(outcome.ran ? outcome.text : "", "");
  if (::geteuid() == 0) {  // the superuser writes anywhere, the store included
    EXPECT_TRUE(Check_Administrator(ui));
    CRegistry reg(ui);
    reg.OpenKey(RegistrySection::LocalMachine, "Software\\ZORVAN", true);
    EXPECT_TRUE(reg.KeyOpen());
    EXPECT_TRUE(ui.messages.empty());
  }
  if (!outcome.ran) GTEST_SKIP() << outcome.text;
}

TEST_F(Registry, OwnerPathsAndTheProgramFolder) {
  std::string organisation = "unchanged", owner, os;
  Get_Owner(ui, organisation, owner, os);
  EXPECT_FALSE(owner.empty());
  EXPECT_EQ(os, "Linux");
  EXPECT_EQ(Get_Owner(ui), owner);
  EXPECT_TRUE(ui.messages.empty());

  fs::create_directories(root / "a/b");
  fs::create_symlink(root / "a/b", root / "link");
  std::ofstream(root / "a/b/x.zrv") << "";
  EXPECT_EQ(GetLongPathFromShortPath((root / "a/../link/./x.zrv").string()), (root / "a/b/x.zrv").string());
  EXPECT_EQ(GetLongPathFromShortPath((root / "missing.zrv").string()), "");
  EXPECT_EQ(GetLongPathFromShortPath(""), "");
  EXPECT_TRUE(fs::exists(ProgramFolder()));
}

TEST_F(Registry, DesktopEntryQuotesTheProgram) {
  std::string entry = DesktopEntryText("ZORVAN", "/opt/my apps/100%/zorvan");
  EXPECT_NE(entry.find("\nExec=\"/opt/my apps/100%%/zorvan\" %f\n"), std::string::npos);
  EXPECT_NE(DesktopEntryText("ZORVAN", "/opt/a$b/zorvan").find("\nExec=\"/opt/a\\\\$b/zorvan\" %f\n"),
            std::string::npos);
  EXPECT_NE(entry.find("\nMimeType=application/x-zorvan-model;\n"), std::string::npos);
  // The files the build installs are the ones the program writes, with a plain command.
  EXPECT_EQ(Contents(fs::path(ZORVAN_SOURCE_DIR) / "packaging/zorvan.desktop"), DesktopEntryText("ZORVAN", "zorvan"));
  EXPECT_EQ(Contents(fs::path(ZORVAN_SOURCE_DIR) / "packaging/zorvan.xml"), MimePackageText("ZORVAN", "zrv"));
}

std::string Shell(const std::string& command) {
  std::string out;
  FILE* p = ::popen(command.c_str(), "r");
  if (p == nullptr) return out;
  char buf[256];
  while (std::fgets(buf, sizeof buf, p) != nullptr) out += buf;
  ::pclose(p);
  while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) out.pop_back();
  return out;
}

TEST_F(Registry, AssociationIsRecordedAndHonouredByTheDesktop) {
  ASSERT_TRUE(CreateAssociation(ui, "ZORVAN", "zrv", "/opt/zorvan/bin/zorvan"));
  EXPECT_TRUE(ui.messages.empty());
  CRegistry reg(ui);
  reg.OpenKey(RegistrySection::ClassesRoot, ".zrv", false);
  EXPECT_EQ(reg.ReadValue(""), "ZORVAN.Document");
  reg.OpenKey(RegistrySection::ClassesRoot, "ZORVAN.Document", false);
  EXPECT_EQ(reg.ReadValue(""), "ZORVAN File");
  reg.OpenKey(RegistrySection::ClassesRoot, "ZORVAN.Document\\shell\\open\\command", false);
  EXPECT_EQ(reg.ReadValue(""), "/opt/zorvan/bin/zorvan %1");
  EXPECT_EQ(Contents(root / "data/applications/zorvan.desktop"), DesktopEntryText("ZORVAN", "/opt/zorvan/bin/zorvan"));
  EXPECT_EQ(Contents(root / "data/mime/packages/zorvan.xml"), MimePackageText("ZORVAN", "zrv"));

  // Each start rewrites the command, so it follows the program when it moves.
  ASSERT_TRUE(CreateAssociation(ui, "ZORVAN", "zrv", "/usr/local/bin/zorvan"));
  reg.OpenKey(RegistrySection::ClassesRoot, "ZORVAN.Document\\shell\\open\\command", false);
  EXPECT_EQ(reg.ReadValue(""), "/usr/local/bin/zorvan %1");

  // What file managers ask: GIO reads the shared MIME database with the
  // user's XDG_DATA_HOME; xdg-mime without a desktop asks the mimetype tool.
  // Both tools are installed by scripts/install-deps, so neither check skips.
  std::ofstream(root / "x.zrv") << "\"ZORVAN for Windows\"\r\n";
  std::string file = "'" + (root / "x.zrv").string() + "'";
  EXPECT_EQ(Shell("gio info -a standard::content-type " + file + " 2>&1 | sed -n 's/^ *standard::content-type: //p'"),
            kModelMimeType);
  EXPECT_EQ(Shell("xdg-mime query filetype " + file + " 2>&1"), kModelMimeType);
  EXPECT_EQ(Shell("xdg-mime query default " + std::string(kModelMimeType) + " 2>&1"), "zorvan.desktop");
}

TEST(LoginNameTest, FallsBackToThePasswordDatabase) {
  std::vector<std::pair<const char*, std::optional<std::string>>> saved;
  for (const char* name : {"USER", "LOGNAME"}) {
    const char* v = std::getenv(name);
    saved.emplace_back(name, v ? std::optional<std::string>(v) : std::nullopt);
    ::unsetenv(name);
  }
  std::optional<AccountEntry> account = CurrentAccount();
  ASSERT_TRUE(account.has_value());
  EXPECT_FALSE(account->name.empty());
  EXPECT_EQ(LoginName(), account->name);
  ::setenv("LOGNAME", "ann", 1);
  EXPECT_EQ(LoginName(), "ann");
  for (const auto& [name, value] : saved) {
    if (value)
      ::setenv(name, value->c_str(), 1);
    else
      ::unsetenv(name);
  }
}

}  // namespace
}  // namespace zorvan
