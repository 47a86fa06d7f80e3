#pragma once
// File names and folders of the shell.
#include <string>

namespace zorvan {

// A path's file name without folder and three-letter extension; empty when the
// path has no three-letter extension. Both "\" and "/" separate folders.
std::string StripFilename(const std::string& path);

// The default folder for saved files: the documents folder, then the first seven
// characters of the product title (trailing blanks dropped), then a separator.
std::string DefaultSaveFolder(const std::string& documentsFolder, const std::string& productTitle);

// The folder a file dialog starts in: FilePath itself when it names a folder
// (ends in a separator), else the folder that holds it.
std::string DialogFolder(const std::string& filePath);

// path, with extension (".zrv") appended when the file name has none.
std::string WithExtension(const std::string& path, const std::string& extension);

}  // namespace zorvan
