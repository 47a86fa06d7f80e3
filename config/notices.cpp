// Placeholder bodies; replaced by the notices.
#include "config/notices.h"
namespace zorvan {
std::string BalanceNoticeText(const EngineDesignRecord&, BalanceKind) { return {}; }
std::string MassNoticeText(const EngineDesignRecord&) { return {}; }
std::string FiringArrangementText(const EngineDesignRecord&) { return {}; }
}  // namespace zorvan
