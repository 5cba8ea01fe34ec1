// PLACEHOLDER - being written.
#include "host/DesFormat.h"
#include <string>
namespace Arbor::Util {
CString CDesFormat::Length(double v) const { return std::to_wstring(v); }
CString CDesFormat::LengthSmall(double v) const { return std::to_wstring(v); }
CString CDesFormat::AreaCS(double v) const { return std::to_wstring(v); }
CString CDesFormat::LCubed(double v) const { return std::to_wstring(v); }
CString CDesFormat::LFourth(double v) const { return std::to_wstring(v); }
CString CDesFormat::LSixth(double v) const { return std::to_wstring(v); }
CString CDesFormat::Force(double v) const { return std::to_wstring(v); }
CString CDesFormat::Moment(double v) const { return std::to_wstring(v); }
CString CDesFormat::Stress(double v) const { return std::to_wstring(v); }
CString CDesFormat::NoDim(double v) const { return std::to_wstring(v); }
CString CDesFormat::Util(double v) const { return std::to_wstring(v); }
CString CDesFormat::Int(int v) const { return std::to_wstring(v); }
}  // namespace Arbor::Util
