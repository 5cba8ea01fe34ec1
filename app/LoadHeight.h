// Load heights that no section could carry: a value in millimetres in a file in metres.
#pragma once

#include "app/JsonField.h"
#include "app/Units.h"
#include "host/Section.h"

namespace as4100 {

// The largest load height (m, either side of the shear centre) plausible for the section:
// five times its largest outside dimension; infinite for a section without dimensions.
double MostLoadHeight(const Arbor::Data::CSection& section);

// Refuses, naming the field, a `load_height` of a point or a segment more than five times the
// section's largest outside dimension from the shear centre.
void RefuseImplausibleLoadHeights(const JsonField& root, const Arbor::Data::CSection& section,
                                  const UnitSystem& units);

}  // namespace as4100
