#pragma once
#include <string>

#include "core/design_record.h"
#include "platform/messages.h"

namespace zorvan {
constexpr int kPresetCount = 11;
// The engine a new design starts as: "4 cyl 4S inline with 0-180-180-0 crank".
constexpr int kStartupPreset = 2;
// The list text of preset k (0..10).
const std::string& PresetText(int k);
// Applies preset k (steps 1 to 4: configuration, Engine_Data, counterweight, rows).
bool ApplyPreset(EngineDesignRecord& d, int k, MessageList& messages);
}  // namespace zorvan
