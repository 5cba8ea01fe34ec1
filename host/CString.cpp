// PLACEHOLDER - being written.
#include "host/CString.h"
namespace Arbor {
std::string ToUtf8(const CString& t) { return std::string(t.begin(), t.end()); }
CString FromUtf8(std::string_view t) { return CString(t.begin(), t.end()); }
}  // namespace Arbor
