// The shared fixtures under the names the column strength tests still use; remove once no test
// includes this header.
#pragma once

#include "common/TestSections.h"

namespace spantest {
using namespace as4100test;
using SectionProps = TestSectionProps;
using FixedSection = TestSection;
}  // namespace spantest
