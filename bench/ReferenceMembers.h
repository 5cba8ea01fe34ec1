// The reference members of the benchmarks, built as a host would hand them to the checker.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/Catalogue.h"
#include "host/MemberResult.h"
#include "host/SteelMember.h"
#include "member/AS4100Member.h"

namespace as4100bench {

using namespace Arbor::Steel;

constexpr int kFEnd = 3147456;             // support, lateral, twist, both flanges
constexpr int kLateral = 0x100000 | 1024;  // lateral restraint of the top flange
// A brace: lateral translation, both flanges, twist and full twist.
constexpr int kBrace = 0x100000 | 512 | 1024 | 128 | 64;

// A simply supported span of length L under uniform load w (N/m, downwards) and axial force N
// (tension positive), cut into `n` sub-spans; minor-axis moment My uniform along it.
inline SubSpanVec UniformlyLoadedSpan(double L, double w, int n, double N, double My) {
    SubSpanVec subs;
    auto shear = [&](double x) { return w * (L / 2 - x); };
    auto moment = [&](double x) { return w * x * (L - x) / 2; };
    for (int i = 0; i < n; ++i) {
        const double a = L * i / n, b = L * (i + 1) / n;
        subs.emplace_back(i, Vec3(N, shear(a), 0), Vec3(N, shear(b), 0), Vec3(0, moment(a), My),
                          Vec3(0, moment(b), My));
    }
    return subs;
}

inline MemberPointVec Points(double L, int n, const std::vector<int>& bits) {
    MemberPointVec pts;
    for (int i = 0; i <= n; ++i)
        pts.emplace_back(L * i / n, CRestraint(bits[static_cast<size_t>(i)]));
    return pts;
}

struct ReferenceMember {
    CMemberResult result;
    std::unique_ptr<CSteelMemberGen> checker{NewCode()};

    ReferenceMember(const std::string& designation, const MemberPointVec& points,
                    const SubSpanVec& subSpans) {
        const auto& catalogue = Arbor::Data::Catalogue::Instance();
        const auto* entry = catalogue.FindSection(designation);
        const auto grade = catalogue.FindGrade("300PLUS");
        if (!entry || !grade) throw std::runtime_error("catalogue entry missing: " + designation);
        checker->SetResult(&result);
        checker->SetMemberPointVec(points);
        checker->SetSubSpanVec(subSpans);
        checker->SetSection(entry->section);
        checker->SetSteelDesignProp(*grade);
    }
};

// 8 m floor beam, 4 sub-spans, F ends, top flange held laterally at mid-span.
inline ReferenceMember Beam() {
    return ReferenceMember("310UB40.4", Points(8.0, 4, {kFEnd, 0, kLateral, 0, kFEnd}),
                           UniformlyLoadedSpan(8.0, 12e3, 4, 0.0, 0.0));
}

// 6 m braced beam-column: 250 kN compression, uniform load and a minor-axis moment.
inline ReferenceMember BeamColumn() {
    const int braced = kFEnd;
    return ReferenceMember("250UC72.9", Points(6.0, 2, {braced, 0x100000, braced}),
                           UniformlyLoadedSpan(6.0, 8e3, 2, -250e3, 6e3));
}

// 4 m pin-ended column under 600 kN.
inline ReferenceMember Column() {
    return ReferenceMember("200UC46.2", Points(4.0, 1, {kFEnd, kFEnd}),
                           UniformlyLoadedSpan(4.0, 0.0, 1, -600e3, 0.0));
}

// Scaling member (as scripts/gen_long_member.py writes it): a simply supported 6 m beam-column
// under 150 kN and 4 kN/m cut into points - 1 sub-spans, braced at every `braceEvery`-th point,
// so that the braces grow with the points.
inline ReferenceMember LongBeamColumn(const std::string& designation, int points,
                                      int braceEvery = 10) {
    const int n = points - 1;
    std::vector<int> bits(static_cast<size_t>(points), 0);
    for (int i = braceEvery; i < n; i += braceEvery) bits[static_cast<size_t>(i)] = kBrace;
    bits.front() = bits.back() = kFEnd;
    return ReferenceMember(designation, Points(6.0, n, bits),
                           UniformlyLoadedSpan(6.0, 4e3, n, -150e3, 0.0));
}

}  // namespace as4100bench
