#pragma once
// The design's fields by name: type, the unit-label slot of their unit, the
// member of the record, and reading and writing through it. The command
// line's --set, the dump and the model file name fields through this table,
// and the input screens will.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/design_record.h"

namespace zorvan {

enum class FieldRole {
  Input,    // entered by the user (and accepted by zorvan-cli --set)
  Stored,   // kept in the model file, derived or set by the program
  Derived,  // written only by the derivation step and the passes
};

struct DesignField {
  using R = EngineDesignRecord;
  using Member = std::variant<float R::*, int16_t R::*, std::string R::*, CylinderArray R::*,
                              std::array<float, 4> R::*, bool R::*>;
  const char* name;
  Member member;
  FieldRole role;
  int unitSlot;  // UnitLabel slot of the unit: 1 length, 20 mass, 21 volume, 22 pressure; 0 none
};

// Every named field, the inputs first in the order of the command line's usage.
const std::vector<DesignField>& DesignFields();
// The field of that name, or nullptr.
const DesignField* FindDesignField(std::string_view name);
// The field of that name; error 9 for a name the table does not hold.
const DesignField& Field(std::string_view name);

// The derived quantities and the counterweight, in the order the dump and
// the Python module list them.
const std::vector<const char*>& DerivedFieldNames();

bool IsText(const DesignField& f);
bool IsCylinderList(const DesignField& f);
bool IsWholeNumber(const DesignField& f);
bool IsFlag(const DesignField& f);

// A scalar field's value (index k of a list: cylinder k, or speed k).
double FieldNumber(const EngineDesignRecord& d, const DesignField& f, int k = 0);
// Assigns a number as the field's width holds it: float32, or int16 rounded
// half to even; a value out of range raises error 6 and leaves the field.
void SetFieldNumber(EngineDesignRecord& d, const DesignField& f, double v, int k = 0);
std::string FieldText(const EngineDesignRecord& d, const DesignField& f);
void SetFieldText(EngineDesignRecord& d, const DesignField& f, const std::string& text);
bool FieldFlag(const EngineDesignRecord& d, const DesignField& f);
void SetFieldFlag(EngineDesignRecord& d, const DesignField& f, bool v);

}  // namespace zorvan
