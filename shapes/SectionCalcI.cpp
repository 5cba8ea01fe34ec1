// PLACEHOLDER: I-section calculator (Table 5.2, cl. 5.2.3-5.2.5, 6.2.4) - being written.
#include "shapes/SectionCalcI.h"

#include <limits>

namespace Arbor::Steel::SteelAS4100 {

using BC = CAS4100_98Section::BucklingClass;

bool CSectionCalcI::SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result) {
    if (!CDesSectGeomI::SetArborSec(section, result)) return false;
    return CAS4100_98Section::SetArborSec(section, result);
}
void CSectionCalcI::MirrorXX() {
    CAS4100_98Section::MirrorXX();
    CDesSectGeomI::MirrorXX();
}
BC CSectionCalcI::BucklingClassXX(CMemberResult*) { return Invalid; }
BC CSectionCalcI::BucklingClassYY(CMemberResult*) { return Invalid; }
BC CSectionCalcI::BucklingClassOverAll(CMemberResult*) { return Invalid; }
BC CSectionCalcI::BucklingClassComp(CMemberResult*) { return Invalid; }
double CSectionCalcI::LambdaWeb() const { return 0.0; }
double CSectionCalcI::AlphaB(const double&) const { return 0.0; }
double CSectionCalcI::ZxxEffective() const { return 0.0; }
double CSectionCalcI::ZyyEffective() const { return 0.0; }
double CSectionCalcI::AreaCompEffective() const { return 0.0; }
double CSectionCalcI::NcT(double, double& noz, CMemberResult*) const { noz = 0; return 0.0; }
double CSectionCalcI::NcTF(double, double, double, double& aux, CMemberResult*) const { aux = 0; return 0.0; }
CString CSectionCalcI::SectPropString(const CDesFormat& f) { return CAS4100_98Section::SectPropString(f); }
double CSectionCalcI::Table5_2(bool, SectionClass, bool) const { return 0.0; }
double CSectionCalcI::Table6_2_4(bool) const { return 0.0; }
bool CSectionCalcI::GetSlenderProps(double&, double&, double&, double&, bool) const { return true; }
BC CSectionCalcI::BucklingClassWeb(bool, bool) const { return Invalid; }
BC CSectionCalcI::BucklingClassFlange1(bool, bool) const { return Invalid; }
BC CSectionCalcI::BucklingClassFlange2(bool, bool) const { return Invalid; }
BC CSectionCalcI::BucklingClassCompWeb() const { return Invalid; }
BC CSectionCalcI::BucklingClassCompFlange1() const { return Invalid; }
BC CSectionCalcI::BucklingClassCompFlange2() const { return Invalid; }
bool CSectionCalcI::IsWebCompSlender() const { return false; }
bool CSectionCalcI::IsFlange1CompSlender() const { return false; }
bool CSectionCalcI::IsFlange2CompSlender() const { return false; }

}  // namespace Arbor::Steel::SteelAS4100
