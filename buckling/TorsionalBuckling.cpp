// Torsional and flexural-torsional buckling checks of the member in compression (cl. 6.3).
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "buckling/SpanActions.h"
#include "member/AS4100Member.h"
#include "section/ResultSink.h"

namespace Arbor::Steel::SteelAS4100 {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

}  // namespace

bool CAS4100_98Member::CheckSpanT(const CAS4100Span& span) const {
    CMemberResult* result = Result();
    if (!section_) return false;
    if (IsTextOn(result)) {
        AddStringInput(L"Torsional span: " + span.GetString(result->DesFormat()) + L"\n");
    }
    CResultIndent indent(result);

    bool utilisationLines = true;
    const double nStar = SpanActions::DesignCompression(span);
    if (nStar == 0.0) {
        AddStringInput(L"No axial compression in this span\n");
        utilisationLines = false;
    }

    // Effective length for torsional buckling: the user's, none where the span cannot twist,
    // else the lateral-torsional segment length.
    double le = 0.0;
    bool insufficientRestraint = false;
    if (LengthOverride()) {
        le = OverrideLength(Llt());
        AddStringInput(L"<i><blue>Effective length overridden</blue></i>\n");
        if (section_->IsCircular() || section_->IsSquare()) {
            AddStringInput(L"LT check not required: section is circular or square\n");
            utilisationLines = false;
        }
    } else if (span.ContinuousRestraint().IsRestrained(RestraintBit::FullTwist, true)) {
        AddStringInput(
            L"Torsional buckling check not required:\n"
            L"\tspan is restrained against torsion along its length\n");
        utilisationLines = false;
    } else if (section_->IsDoublySymmetric()) {
        AddStringInput(L"Torsional buckling check not required: section is doubly symmetric\n");
        utilisationLines = false;
    } else {
        le = EffectiveLengthLT(span, section_->Depth(), false);
        if (!std::isfinite(le)) {
            AddStringInput(L"<b><red>Fail:</red></b> Insufficient restraint\n");
            insufficientRestraint = true;
            if (result) result->SetUtilBucklingAxialTorsion(kInfinity);
        }
    }

    double ncT = 0.0;
    double noz = 0.0;
    if (std::isfinite(le)) {
        const CSectionStep step(*section_);
        step->ClearForcesAndMoments();
        step->SetForceAxial(-nStar);
        ncT = step->NcT(le, noz, result);
    }
    SpanActions::ForEachRecordOf(span, interaction_, [&](CInteractionData& record) {
        record.NStarY = std::max(nStar, record.NStarY);
        record.NcTorsion = ncT;
        record.Nomz = noz;
        record.SpanLT = span;
    });

    const double phi = CAS4100_98Section::kPhi;
    const double util = nStar / (phi * ncT);
    if (result) result->SetUtilBucklingAxialTorsion(util);
    if (utilisationLines && IsTextOn(result)) {
        AddStringInput(
            SpanActions::AxialUtilisationLine(result->DesFormat(), nStar, phi, ncT, util));
    }
    if (util > 1.0 || insufficientRestraint) {
        if (result) result->AddFlags(ResultFlag::TorsionalBucklingFail);
        AddStringInput(L"<b><red>Fail:</red></b> Torsional Axial Buckling\n");
        return false;
    }
    return true;
}

bool CAS4100_98Member::CheckSpanTF(CInteractionData& record) const {
    CMemberResult* result = Result();
    if (!section_) return false;
    if (IsTextOn(result)) {
        const CDesFormat& f = result->DesFormat();
        AddStringInput(L"Major Axis Span: " + record.SpanXX.GetString(f) + L"\nMinor Axis Span: " +
                       record.SpanYY.GetString(f) + L"\nTorsional Span: " +
                       record.SpanLT.GetString(f));
    }
    CResultIndent indent(result);

    bool utilisationLines = true;
    const double nStar = std::max(record.NStarX, record.NStarY);
    if (nStar == 0.0) {
        AddStringInput(L"No axial compression in this span\n");
        utilisationLines = false;
    }

    const CSectionStep step(*section_);
    step->ClearForcesAndMoments();
    step->SetForceAxial(-nStar);
    double aux = 0.0;
    const double ncTF = step->NcTF(record.Nomx, record.Nomy, record.Nomz, aux, result);
    record.NcTFAux = aux;
    record.NcFlexTorsion = ncTF;

    const double phi = CAS4100_98Section::kPhi;
    const double util = nStar / (phi * ncTF);
    if (result) result->SetUtilBucklingAxialFlexuralTorsion(util);
    if (utilisationLines && IsTextOn(result)) {
        AddStringInput(
            SpanActions::AxialUtilisationLine(result->DesFormat(), nStar, phi, ncTF, util));
    }
    if (util > 1.0) {
        if (result) result->AddFlags(ResultFlag::MinorBucklingFail);
        AddStringInput(L"<b><red>Fail:</red></b> Flexural Torsional Axial Buckling\n");
    }
    return true;
}

}  // namespace Arbor::Steel::SteelAS4100
