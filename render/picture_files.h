#pragma once
// Pictures drawn once on a recording canvas, written as PNG, SVG or PDF files.
#include <string>

#include "platform/recording_canvas.h"

namespace zorvan {

// Each writes the picture at width x height (pixels for PNG, points for SVG
// and PDF) and returns false when the file could not be written.
bool SavePicturePng(const RecordingCanvas& picture, const std::string& path, int width, int height);
bool SavePictureSvg(const RecordingCanvas& picture, const std::string& path, int width, int height);
bool SavePicturePdf(const RecordingCanvas& picture, const std::string& path, int width, int height);

}  // namespace zorvan
