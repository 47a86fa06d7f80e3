#pragma once
// Expected texts of the notices and reports, written line by line.
#include <initializer_list>
#include <string>

namespace zorvan::testing {

// Lines joined by CR, each line followed by one.
inline std::string Cr(std::initializer_list<std::string> lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\r";
  return s;
}

}  // namespace zorvan::testing
