#pragma once
// The start-up design: the record's own options, the start-up engine and the
// default cylinder, derived.
#include "core/design_record.h"
#include "platform/messages.h"

namespace zorvan {
// Resets the whole record to the start-up design and derives it ("Initialize").
bool Initialize(EngineDesignRecord& d, MessageList& messages);
}  // namespace zorvan
