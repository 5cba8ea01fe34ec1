// PLACEHOLDER - being written.
#include "host/Catalogue.h"
#include "host/EmbeddedData.h"
namespace Arbor::Data {
const Catalogue& Catalogue::Instance() { static const Catalogue c; return c; }
Catalogue::Catalogue() { (void)Embedded::Files(); }
const CatalogueEntry* Catalogue::FindSection(std::string_view) const { return nullptr; }
std::vector<std::string> Catalogue::Suggest(std::string_view, int) const { return {}; }
std::vector<const CatalogueEntry*> Catalogue::Sections(std::string_view) const { return {}; }
std::optional<CSteelGrade> Catalogue::FindGrade(std::string_view) const { return std::nullopt; }
std::vector<std::string> Catalogue::GradeNames() const { return {}; }
std::string Catalogue::DefaultGrade(std::string_view) { return "300PLUS"; }
}  // namespace Arbor::Data
