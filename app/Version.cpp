// Program name and version for the as4100 command.
#include "app/Version.h"

namespace as4100 {

const char* ProgramVersion() {
    return "0.1";
}

}  // namespace as4100
