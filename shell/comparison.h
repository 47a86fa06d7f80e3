#pragma once
// A second design set beside the current one (File > Compare With...): read
// from its model file with the balance shafts beside it, calculated as the
// command line calculates a model file, and shown in the current design's
// unit system. The plot screens draw it over the current design's curves and
// the comparison panel lists both designs' figures.
#include <cstdint>
#include <memory>
#include <string>

#include "core/design_record.h"
#include "platform/messages.h"

namespace zorvan {

class Comparison {
 public:
  bool Active() const { return read_ != nullptr; }
  // The file's name without its folder ("engine_b.zrv").
  const std::string& Name() const { return name_; }
  // Reads and calculates the design of a model file, in `unitSystem`. False
  // with the messages that say why (and the comparison as it was) when the
  // file, its balance shafts or the design cannot be read or calculated.
  bool Read(const std::string& path, int16_t unitSystem, MessageList& messages);
  void Clear();
  // The design calculated in `unitSystem` (converted when it was saved in
  // another); null when there is none or it cannot be calculated so.
  const EngineDesignRecord* Calculated(int16_t unitSystem, MessageList& messages);
  // Counts the comparisons set or cleared, so screens know when to draw again.
  unsigned Generation() const { return generation_; }

 private:
  std::unique_ptr<EngineDesignRecord> read_, calculated_;
  std::string name_;
  unsigned generation_ = 0;
};

}  // namespace zorvan
