#pragma once
// The balance shafts of a design, kept beside its model file as
// NAME.balancer.csv, since the model file's layout has no room for them:
//
//   Order,Sense,Mass x radius (kg m),Phase (deg),Place (m)
//   2,1,0.0123456789,180,0
//   2,-1,0.0123456789,180,0
//
// a header line, then one row a shaft: its order (1 or 2), its sense (1
// with the crank, -1 against it), its mass times radius, the direction of
// its unbalance at crank angle 0 and its place along the crankshaft from the
// engine's centre, in SI units whatever the design's unit system, with 17
// significant digits so that every value reads back exactly. CR LF line
// ends; a reader takes LF too. A design without shafts has no such file.
#include <string>
#include <vector>

#include "core/design_record.h"
#include "core/program_values.h"
#include "platform/messages.h"

namespace zorvan {

// "dir/NAME.balancer.csv" for "dir/NAME.zrv" (any other name keeps its whole
// file name before ".balancer.csv").
std::string BalancerFilePath(const std::string& modelPath);

std::string BalancerFileText(const std::vector<BalanceShaft>& shafts);
// Reads the text of a balancer file; false with `error` naming the row (and
// `shafts` untouched) for a header or row it cannot take.
bool ParseBalancerText(const std::string& text, std::vector<BalanceShaft>& shafts, std::string& error);

// Reads the balancer file beside a model file: no file is no shafts. A file
// that cannot be read or holds a bad row is one warning naming the file and
// the row, false, and `shafts` untouched.
bool ReadBalancerFile(const std::string& modelPath, std::vector<BalanceShaft>& shafts, MessageList& messages);

// Saves the model file with its stations file (WriteModelFiles) and, beside
// it, the balancer file of its shafts (or
// removes the one that was there when the design has none), both replaced
// only once the new ones are complete. When the model file cannot be
// written, the balancer file is put back as it was, so the two never part.
// Throws RunTimeError on failure; on success tells what was written.
void SaveDesignFiles(const std::string& modelPath, const EngineDesignRecord& d, const ProgramValues& v,
                     MessageList& messages);

}  // namespace zorvan
