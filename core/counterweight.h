#pragma once
#include "core/design_record.h"
#include "platform/messages.h"

namespace zorvan {
// Adds the counterweight to the one-cylinder results; run once after each one-cylinder pass.
bool CounterweightPass(EngineDesignRecord& d, MessageList& messages);
}  // namespace zorvan
