#pragma once
// Pictures drawn once on a recording canvas, written as PNG, SVG or PDF files.
#include <functional>
#include <optional>
#include <string>

#include "platform/recording_canvas.h"

namespace zorvan {

// Text on pictures needs the font database of a GUI application: a program
// without windows (zorvan-cli) gets one on the offscreen platform here.
void EnsurePictureSupport();

// Each writes the picture at width x height (pixels for PNG, points for SVG
// and PDF) and returns false when the file could not be written.
bool SavePicturePng(const RecordingCanvas& picture, const std::string& path, int width, int height);
bool SavePictureSvg(const RecordingCanvas& picture, const std::string& path, int width, int height);
bool SavePicturePdf(const RecordingCanvas& picture, const std::string& path, int width, int height);

// The same for a picture drawn at the file's own size (a plot laid out for
// it): the file type follows the extension (.png, .svg, .pdf), false for
// another. The file is replaced only once the new one is complete; a file
// that cannot be written raises the classic error.
using DrawPicture = std::function<void(Canvas&)>;
bool SavePictureFile(const DrawPicture& draw, const std::string& path, int width, int height);
// The picture file's bytes for a path's extension; none for another extension.
std::optional<std::string> PictureBytes(const DrawPicture& draw, const std::string& path, int width, int height);
// The picture as a PNG image in memory (for the clipboard).
std::string PicturePngBytes(const DrawPicture& draw, int width, int height);

}  // namespace zorvan
