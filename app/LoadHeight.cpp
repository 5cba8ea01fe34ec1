#include "app/LoadHeight.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace as4100 {

namespace {

// Our choice: a load on a post or bracket stands at most a few section depths above the
// shear centre (cl. 5.6.3 takes the top flange, half a depth, as the usual destabilising
// height); five depths leaves room for any real detail and catches a unit slip (×1000).
constexpr double kMostDepths = 5.0;

void CheckHeight(const JsonField& owner, double most, const UnitSystem& units) {
    const auto restraint = owner.Optional("restraint");
    if (!restraint) return;
    const auto height = restraint->Optional("load_height");
    if (!height || !height->IsNumber()) return;  // the loader refuses those
    const double given = units.Length(height->NumberAsIs());
    if (std::fabs(given) > most) {
        char limit[64];
        std::snprintf(limit, sizeof limit, "%g", most / units.Length(1.0));
        height->Refuse("is more than five section depths from the shear centre",
                       std::string("at most ") + limit + " in the file's length unit");
    }
}

}  // namespace

double MostLoadHeight(const Arbor::Data::CSection& section) {
    const std::vector<double>& dims = section.Dimensions();
    if (dims.empty()) return std::numeric_limits<double>::infinity();
    return kMostDepths * std::max(dims[0], dims.size() > 1 ? dims[1] : 0.0);
}

void RefuseImplausibleLoadHeights(const JsonField& root, const Arbor::Data::CSection& section,
                                  const UnitSystem& units) {
    if (section.Dimensions().empty()) return;
    const double most = MostLoadHeight(section);
    for (const char* list : {"points", "segments"}) {
        const auto field = root.Optional(JsonKey(list));
        if (!field || !field->IsArray()) continue;
        for (std::size_t i = 0; i < field->ArraySize(); ++i)
            CheckHeight(field->Element(i), most, units);
    }
}

}  // namespace as4100
