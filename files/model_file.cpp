// Placeholder bodies; replaced by the model file reader and writer.
#include "files/model_file.h"
#include "core/runtime_error.h"
namespace zorvan {
void Writefile(std::ostream&, const EngineDesignRecord&, const ProgramValues&) { RaiseError(51); }
bool Readfile(std::istream&, EngineDesignRecord&, ProgramValues&, Ui&) { return false; }
void SaveModelFile(const std::string&, const EngineDesignRecord&, const ProgramValues&, Ui&) { RaiseError(51); }
bool OpenModelFile(const std::string&, EngineDesignRecord&, ProgramValues&, Ui&) { return false; }
}  // namespace zorvan
