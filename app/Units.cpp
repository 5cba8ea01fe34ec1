#include "app/Units.h"

namespace as4100 {

bool UnitSystem::LengthFactor(const std::string& word, double& factor) {
    if (word == "m") {
        factor = 1.0;
    } else if (word == "mm") {
        factor = 1e-3;
    } else {
        return false;
    }
    return true;
}

bool UnitSystem::ForceFactor(const std::string& word, double& factor) {
    if (word == "N") {
        factor = 1.0;
    } else if (word == "kN") {
        factor = 1e3;
    } else {
        return false;
    }
    return true;
}

}  // namespace as4100
