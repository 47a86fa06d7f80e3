#include "shell/comparison.h"

#include "core/design_compare.h"
#include "core/program_values.h"
#include "core/startup.h"
#include "files/balancer_file.h"
#include "files/model_file.h"

namespace zorvan {

bool Comparison::Read(const std::string& path, int16_t unitSystem, MessageList& messages) {
  auto read = std::make_unique<EngineDesignRecord>();
  ProgramValues values;
  values.StartingUp = true;  // a file compared with is not opened: no word that it was read
  std::vector<BalanceShaft> shafts;
  if (!Initialize(*read, messages) || !ReadBalancerFile(path, shafts, messages) ||
      !OpenModelFile(path, *read, values, messages))
    return false;
  read->BalanceShafts = std::move(shafts);
  std::unique_ptr<EngineDesignRecord> calculated = CalculatedForComparison(*read, unitSystem, messages);
  if (!calculated) return false;
  read_ = std::move(read);
  calculated_ = std::move(calculated);
  const std::size_t slash = path.find_last_of("/\\");
  name_ = slash == std::string::npos ? path : path.substr(slash + 1);
  ++generation_;
  return true;
}

void Comparison::Clear() {
  read_.reset();
  calculated_.reset();
  name_.clear();
  ++generation_;
}

const EngineDesignRecord* Comparison::Calculated(int16_t unitSystem, MessageList& messages) {
  if (!read_) return nullptr;
  if (!calculated_ || calculated_->UnitSystem != unitSystem)
    calculated_ = CalculatedForComparison(*read_, unitSystem, messages);
  return calculated_.get();
}

}  // namespace zorvan
