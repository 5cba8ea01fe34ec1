#pragma once

namespace as4100 {

const char* ProgramVersion();

}  // namespace as4100
