#pragma once
// The bytes of a file as a string (empty when it cannot be read).
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace zorvan::testing {

inline std::string FileText(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace zorvan::testing
