#pragma once
// What the commands that draw share on their command line: a picture file is
// named by its extension, and --size WxH gives its size.
#include <ostream>
#include <string>

namespace zorvan::cli {

// A name ending in .png, .svg or .pdf.
bool PictureFile(const std::string& out);
// --size WxH, each 100 to 10000; false after a message for anything else.
bool ParsePictureSize(const std::string& value, int& width, int& height, std::ostream& err);

}  // namespace zorvan::cli
