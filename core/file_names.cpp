#include "core/file_names.h"

namespace zorvan {

namespace {
bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::string::size_type LastSeparator(const std::string& path) {
  return path.find_last_of("\\/");
}
}  // namespace

std::string StripFilename(const std::string& path) {
  if (path.size() < 4 || path[path.size() - 4] != '.') return {};
  std::string stem = path.substr(0, path.size() - 4);
  auto sep = LastSeparator(stem);
  return sep == std::string::npos ? stem : stem.substr(sep + 1);
}

std::string DefaultSaveFolder(const std::string& documentsFolder, const std::string& productTitle) {
  std::string name = productTitle.substr(0, 7);
  // A folder name ending in a blank is awkward on every file system.
  while (!name.empty() && name.back() == ' ') name.pop_back();
  std::string folder = documentsFolder;
  if (!folder.empty() && !IsSeparator(folder.back())) folder += '/';
  return folder + name + '/';
}

std::string DialogFolder(const std::string& filePath) {
  if (filePath.empty() || IsSeparator(filePath.back())) return filePath;
  auto sep = LastSeparator(filePath);
  return sep == std::string::npos ? std::string() : filePath.substr(0, sep + 1);
}

std::string WithExtension(const std::string& path, const std::string& extension) {
  auto sep = LastSeparator(path);
  std::string name = sep == std::string::npos ? path : path.substr(sep + 1);
  if (name.find('.') != std::string::npos) return path;
  return path + extension;
}

}  // namespace zorvan
