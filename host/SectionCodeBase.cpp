// Base of a design code's section object: section record, grade and the current actions.
#include "host/SectionCodeBase.h"

#include <cmath>

#include "host/MemberResult.h"

namespace Arbor::Steel {

namespace {

// A net area ratio An/Ag (cl. 7.2) lies in (0, 1].
bool IsValidNetAreaRatio(double r) {
    return std::isfinite(r) && r > 0.0 && r <= 1.0;
}

// The plastic/elastic capacity ratio that caps Ze (cl. 5.2.3) must be a positive number.
bool IsValidPlasticElasticRatio(double r) {
    return std::isfinite(r) && r > 0.0;
}

void ReportRefusal(CMemberResult* result, const CString& field, double value, const CString& rule) {
    if (!result || !result->TextEnabled()) return;
    result->AddOutputString(L"Section " + field + L" " + result->DesFormat().NoDim(value) +
                            L" refused: " + rule + L"\n");
}

// The record and grade of an object that has not been given any.
const std::shared_ptr<const Arbor::Data::CSection>& NoSection() {
    static const auto none = std::make_shared<const Arbor::Data::CSection>();
    return none;
}
const std::shared_ptr<const CSteelGrade>& NoGrade() {
    static const auto none = std::make_shared<const CSteelGrade>();
    return none;
}

}  // namespace

CSectionCodeBase::CSectionCodeBase() : section_(NoSection()), grade_(NoGrade()) {}

void CSectionCodeBase::SetSteelDesignProp(const CSteelGrade& grade) {
    grade_ = std::make_shared<const CSteelGrade>(grade);
    Touch();
}

// Refuses (false, nothing changed) a record whose options are out of range. A record without a
// plastic/elastic ratio brings back the default, so that no option outlives its section.
bool CSectionCodeBase::SetArborSec(const Arbor::Data::CSection& section, CMemberResult* result) {
    // A shape's geometry takes the dimensions before this is called, even when it refuses.
    Touch();
    if (!IsValidNetAreaRatio(section.NetAreaRatio())) {
        ReportRefusal(result, L"net area ratio", section.NetAreaRatio(),
                      L"it must be greater than 0 and at most 1");
        return false;
    }
    const auto& ratio = section.PlasticElasticRatio();
    if (ratio && !IsValidPlasticElasticRatio(*ratio)) {
        ReportRefusal(result, L"plastic/elastic ratio", *ratio, L"it must be greater than 0");
        return false;
    }
    section_ = std::make_shared<const Arbor::Data::CSection>(section);
    netAreaRatio_ = section.NetAreaRatio();
    plasticElasticRatio_ = ratio.value_or(kDefaultPlasticElasticRatio);
    ratioIsDefault_ = !ratio.has_value();
    return true;
}

void CSectionCodeBase::MirrorXX() {
    Touch();
    Mx_ = -Mx_;
    Vy_ = -Vy_;
}

void CSectionCodeBase::SetMemberForces(const Vec3& forces) {
    N_ = forces[0];
    Vy_ = forces[1];
    Vx_ = forces[2];
}

void CSectionCodeBase::SetMemberMoments(const Vec3& moments) {
    T_ = moments[0];
    Mx_ = moments[1];
    My_ = moments[2];
}

void CSectionCodeBase::ClearForcesAndMoments() {
    Mx_ = My_ = N_ = T_ = Vx_ = Vy_ = 0.0;
}

}  // namespace Arbor::Steel
