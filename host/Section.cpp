// PLACEHOLDER - being written.
#include "host/Section.h"
#include <cmath>
namespace Arbor::Data {
PublishedProperties::PublishedProperties() : Ag(NAN), Ix(NAN), Iy(NAN), Zx(NAN), Zy(NAN), Sx(NAN), Sy(NAN), J(NAN), Iw(NAN) {}
CSection::CSection() = default;
CSection::CSection(const CString& name) : name_(name) {}
CString CSection::Description(bool, bool, bool) const { return name_; }
}  // namespace Arbor::Data
