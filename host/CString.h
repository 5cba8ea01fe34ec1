// Wide string of the host: report lines and names cross the module boundary as CString.
#pragma once

#include <string>
#include <string_view>

using CString = std::wstring;

namespace Arbor {

// UTF-8 at the program's edges, wide strings inside.
std::string ToUtf8(const CString& text);
CString FromUtf8(std::string_view text);

}  // namespace Arbor
