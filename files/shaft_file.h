#pragma once
// The shaft's stations as a CSV file: NAME.shaft.csv beside the model file
// NAME.zrv (whose layout never changes), and the file --stations reads.
//
// The form, a stable contract: the header line
//   station,inertia,stiffness,damping
// then one line per station from the front: its name (in double quotes when
// it holds a comma or a quote), its inertia, the torsional stiffness of the
// shaft section to the next station (empty on the last line) and its absolute
// damping (0 or empty for none), in the base units of the design's unit
// system (kg-m^2, N-m/rad and N-m-s/rad in the metre systems). Numbers are
// written as the shortest decimal that reads back as the same double; lines
// end in LF (CR LF is read too); blank lines are passed over.
#include <string>
#include <string_view>

#include "core/design_record.h"

namespace zorvan {

std::string ShaftCsvText(const ShaftTable& t);

// Reads the text into `out` and returns an empty string, or the one sentence
// that names the first bad line or row (`out` is then left as it was).
std::string ReadShaftCsv(std::string_view text, ShaftTable& out);

// The stations file of a model file: its name's extension replaced by
// ".shaft.csv" (design.zrv -> design.shaft.csv).
std::string ShaftFilePath(const std::string& modelPath);

// Reads a stations file, as ReadShaftCsv; a file that cannot be opened or
// read is said in the returned sentence too.
std::string ReadShaftFile(const std::string& path, ShaftTable& out);

}  // namespace zorvan
