#include "app/ReportSvg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/ReportRender.h"
#include "app/SummaryTables.h"

namespace as4100 {

namespace {

namespace Bit = Arbor::Data::RestraintBit;

// Drawing width and the member's ends in it (SVG user units, scaled by CSS to the page).
constexpr double kWidth = 680, kLeft = 50, kRight = 630;
constexpr int kSamplesPerSubSpan = 12;

std::string Num(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", v);
    return text;
}

std::string U8(const CString& text) {
    return Arbor::ToUtf8(text);
}

std::string Text(double x, double y, const std::string& text, const char* cls,
                 const char* anchor = "middle") {
    return "<text x=\"" + Num(x) + "\" y=\"" + Num(y) + "\" class=\"" + cls + "\" text-anchor=\"" +
           anchor + "\">" + HtmlEscape(text) + "</text>";
}

std::string Line(double x1, double y1, double x2, double y2, const char* cls) {
    return "<line x1=\"" + Num(x1) + "\" y1=\"" + Num(y1) + "\" x2=\"" + Num(x2) + "\" y2=\"" +
           Num(y2) + "\" class=\"" + cls + "\"/>";
}

std::string Polygon(const std::vector<std::pair<double, double>>& pts, const char* cls) {
    std::string d;
    for (const auto& [x, y] : pts) d += (d.empty() ? "" : " ") + Num(x) + "," + Num(y);
    return "<polygon points=\"" + d + "\" class=\"" + cls + "\"/>";
}

std::string SvgOpen(double width, double height, const char* cls, const std::string& label) {
    // Inline in the page: no namespace declaration needed (and no outside reference).
    return "<svg class=\"" + std::string(cls) + "\" viewBox=\"0 0 " + Num(width) + " " +
           Num(height) + "\" role=\"img\" aria-label=\"" + HtmlEscape(label) + "\">";
}

// Maps member positions to drawing x between `left` and `right`.
struct XScale {
    double x0, length, left, right;
    double operator()(double x) const { return left + (x - x0) / length * (right - left); }
};

XScale ScaleOf(const MemberInput& member, double left = kLeft, double right = kRight) {
    const double x0 = member.points.front().Position();
    return {x0, std::max(member.points.back().Position() - x0, 1e-9), left, right};
}

struct ActionComponents {
    bool moment;
    int component;  // 0 axial/torsion, 1 major, 2 minor
};

ActionComponents ComponentsOf(Action action) {
    switch (action) {
        case Action::Axial:
            return {false, 0};
        case Action::ShearMajor:
            return {false, 1};
        case Action::ShearMinor:
            return {false, 2};
        case Action::MomentMajor:
            return {true, 1};
        default:
            return {true, 2};
    }
}

// M(s) = Ml + (Mr − Ml) s/L + w s (L − s)/2 with w = (Vl − Vr)/L, the uniform load of the
// sub-span (dM/dx = V).
double MomentAt(double ml, double mr, double w, double length, double s) {
    return ml + (mr - ml) * s / length + w * s * (length - s) / 2.0;
}

// The label of a value in engineering units.
std::string ValueText(Action action, double v) {
    const auto& f = HumanFormat();
    return ComponentsOf(action).moment ? U8(f.Moment(v)) : U8(f.Force(v));
}

}  // namespace

const char* ActionName(Action action) {
    switch (action) {
        case Action::Axial:
            return "N";
        case Action::ShearMajor:
            return "V major";
        case Action::ShearMinor:
            return "V minor";
        case Action::MomentMajor:
            return "M major";
        default:
            return "M minor";
    }
}

std::vector<ActionSample> SampleAction(const MemberInput& member, const LoadCase& loadCase,
                                       Action action) {
    const auto [moment, k] = ComponentsOf(action);
    std::vector<ActionSample> samples;
    for (const auto& sub : loadCase.subSpans) {
        const double xa = member.points[static_cast<size_t>(sub.IndexCMPLeft())].Position();
        const double xb = member.points[static_cast<size_t>(sub.IndexCMPRight())].Position();
        const double length = xb - xa;
        const double left = moment ? sub.GetMomentsLeft()[k] : sub.GetForcesLeft()[k];
        const double right = moment ? sub.GetMomentsRight()[k] : sub.GetForcesRight()[k];
        if (!moment) {
            samples.push_back({xa, left});
            samples.push_back({xb, right});
            continue;
        }
        const double w = (sub.GetForcesLeft()[k] - sub.GetForcesRight()[k]) / length;
        std::vector<double> s;
        for (int i = 0; i <= kSamplesPerSubSpan; ++i) s.push_back(length * i / kSamplesPerSubSpan);
        if (w != 0.0) {
            const double stationary = length / 2.0 + (right - left) / (w * length);
            if (stationary > 0.0 && stationary < length) s.push_back(stationary);
        }
        std::sort(s.begin(), s.end());
        for (double si : s) samples.push_back({xa + si, MomentAt(left, right, w, length, si)});
    }
    return samples;
}

ActionExtremes ExtremesOf(const std::vector<ActionSample>& samples) {
    ActionExtremes e;
    if (samples.empty()) return e;
    e.max = e.min = samples.front();
    for (const ActionSample& s : samples) {
        if (s.value > e.max.value) e.max = s;
        if (s.value < e.min.value) e.min = s;
    }
    return e;
}

double GoverningPosition(const MemberInput& member, const LoadCase& loadCase,
                         const CaseResult& result) {
    int subSpan = 0;  // 0: the member
    for (const EntryResult& entry : result.entries) {
        for (double u : entry.util) {
            if (u == result.governing && !entry.buckling) subSpan = entry.subSpan;
        }
    }
    double xFrom = member.points.front().Position(), xTo = member.points.back().Position();
    if (subSpan > 0) {
        xFrom = member.points[static_cast<size_t>(subSpan - 1)].Position();
        xTo = member.points[static_cast<size_t>(subSpan)].Position();
    }
    ActionSample best{xFrom, -1.0};
    for (const ActionSample& s : SampleAction(member, loadCase, Action::MomentMajor)) {
        if (s.x >= xFrom && s.x <= xTo && std::abs(s.value) > best.value) {
            best = {s.x, std::abs(s.value)};
        }
    }
    return best.x;
}

namespace {

constexpr double kTop = 50, kBottom = 68;  // the flanges of the member in the sketch
constexpr double kMid = (kTop + kBottom) / 2;

// The symbols of one point's restraint, as one group: a support triangle (a block when held in
// rotation too), a cross in a circle for lateral restraint, a bar on each flange held
// laterally, a diamond for twist (filled: full twist).
std::string RestraintSymbol(double x, unsigned bits, size_t index) {
    std::string g;
    if (bits & Bit::TranslationXX) {
        if (bits & Bit::RotationXX) {
            g += "<rect x=\"" + Num(x - 7) + "\" y=\"" + Num(kBottom) +
                 "\" width=\"14\" height=\"10\" class=\"fixed\"/>";
        } else {
            g += Polygon({{x, kBottom}, {x - 8, kBottom + 12}, {x + 8, kBottom + 12}}, "support");
        }
    }
    if (bits & Bit::TranslationYY) {
        g += "<circle cx=\"" + Num(x) + "\" cy=\"" + Num(kMid) + "\" r=\"5\" class=\"lateral\"/>";
        g += Line(x - 3.5, kMid - 3.5, x + 3.5, kMid + 3.5, "lateral");
        g += Line(x - 3.5, kMid + 3.5, x + 3.5, kMid - 3.5, "lateral");
    }
    if (bits & Bit::Flange2) g += Line(x - 7, kTop - 4, x + 7, kTop - 4, "flange");
    if (bits & Bit::Flange1) g += Line(x - 7, kBottom + 4, x + 7, kBottom + 4, "flange");
    if (bits & (Bit::Twist | Bit::FullTwist)) {
        const double y = kTop - 14;
        g += Polygon({{x, y - 5}, {x + 5, y}, {x, y + 5}, {x - 5, y}},
                     bits & Bit::FullTwist ? "twist full" : "twist");
    }
    if (g.empty()) return g;
    return "<g class=\"restraint\" data-point=\"" + std::to_string(index) + "\">" + g + "</g>";
}

// Arrows onto the top flange (load above the shear centre) or hanging below it, over
// [xa, xb] in drawing units, with the height in words.
std::string LoadHeightMarks(double xa, double xb, double height) {
    std::string g;
    const int arrows = std::max(1, static_cast<int>((xb - xa) / 28));
    const double yTip = height > 0 ? kTop - 2 : kBottom + 16;
    for (int i = 0; i <= arrows; ++i) {
        const double x = xa + (xb - xa) * i / arrows;
        g += Line(x, yTip - 16, x, yTip - 3, "load");
        g += Polygon({{x, yTip}, {x - 3, yTip - 5}, {x + 3, yTip - 5}}, "load");
    }
    const std::string words = "load at " + U8(HumanFormat().LengthSmall(height)) +
                              (height > 0 ? " above" : " below") + " the shear centre";
    return g + Text((xa + xb) / 2, height > 0 ? yTip - 20 : yTip + 12, words, "note");
}

std::string LoadHeights(const MemberInput& member, const XScale& sx) {
    std::string g;
    const auto& subSpans = member.cases.front().subSpans;
    for (size_t i = 0; i < subSpans.size();) {
        const double h = subSpans[i].GetRestraint().LoadHeight();
        size_t j = i + 1;
        while (j < subSpans.size() && subSpans[j].GetRestraint().LoadHeight() == h) ++j;
        if (h != 0.0) {
            g += LoadHeightMarks(sx(member.points[i].Position()), sx(member.points[j].Position()),
                                 h);
        }
        i = j;
    }
    for (const auto& p : member.points) {
        const double h = p.GetRestraint().LoadHeight();
        if (h != 0.0) g += LoadHeightMarks(sx(p.Position()), sx(p.Position()), h);
    }
    return g;
}

// Dimension lines of the lateral-torsional segments with their effective lengths.
std::string Segments(const std::vector<SpanLength>& spans, const XScale& sx, double y) {
    std::string g = Text(kLeft - 44, y + 4, "LT", "note", "start");
    for (const SpanLength& s : spans) {
        const double a = sx(s.xFrom), b = sx(s.xTo);
        g += Line(a, y, b, y, "dim") + Line(a, y - 5, a, y + 5, "dim") +
             Line(b, y - 5, b, y + 5, "dim");
        g += Text((a + b) / 2, y - 4, "le " + U8(HumanFormat().Length(s.le)), "note");
    }
    return g;
}

}  // namespace

std::string MemberSketchSvg(const MemberInput& member, const EffectiveLengths& lengths) {
    const XScale sx = ScaleOf(member);
    const double height = lengths.lateralTorsional.empty() ? 122 : 152;
    std::string svg = SvgOpen(kWidth, height, "sketch", "member sketch");
    svg += "<rect x=\"" + Num(kLeft) + "\" y=\"" + Num(kTop) + "\" width=\"" + Num(kRight - kLeft) +
           "\" height=\"" + Num(kBottom - kTop) + "\" class=\"member\"/>";
    svg += LoadHeights(member, sx);
    for (size_t i = 0; i < member.points.size(); ++i) {
        const double x = sx(member.points[i].Position());
        svg += Line(x, kTop, x, kBottom, "tick");
        svg += RestraintSymbol(x, member.points[i].GetRestraint().Bits(), i);
        svg += Text(x, kBottom + 26, U8(HumanFormat().Length(member.points[i].Position())), "note");
    }
    if (!lengths.lateralTorsional.empty()) svg += Segments(lengths.lateralTorsional, sx, 124);
    // Legend along the foot.
    const double y = height - 6;
    svg += Polygon({{kLeft, y - 9}, {kLeft - 5, y}, {kLeft + 5, y}}, "support") +
           Text(kLeft + 9, y, "support", "note", "start");
    svg += "<circle cx=\"" + Num(kLeft + 75) + "\" cy=\"" + Num(y - 4) +
           "\" r=\"4\" class=\"lateral\"/>" + Text(kLeft + 83, y, "lateral", "note", "start");
    svg += Line(kLeft + 135, y - 4, kLeft + 149, y - 4, "flange") +
           Text(kLeft + 153, y, "flange held (top or bottom)", "note", "start");
    svg += Polygon({{kLeft + 322, y - 9},
                    {kLeft + 327, y - 4},
                    {kLeft + 322, y + 1},
                    {kLeft + 317, y - 4}},
                   "twist") +
           Text(kLeft + 331, y, "twist (filled: full)", "note", "start");
    svg += "<rect x=\"" + Num(kLeft + 450) + "\" y=\"" + Num(y - 8) +
           "\" width=\"10\" height=\"8\" class=\"fixed\"/>" +
           Text(kLeft + 464, y, "held in rotation", "note", "start");
    return svg + "</svg>";
}

std::string ActionDiagramSvg(const MemberInput& member, const LoadCase& loadCase, Action action,
                             double governingX) {
    const auto samples = SampleAction(member, loadCase, action);
    const ActionExtremes e = ExtremesOf(samples);
    const double peak = std::max(std::abs(e.max.value), std::abs(e.min.value));
    if (peak <= 1e-9) return {};
    // Moments are drawn on the tension side: a positive (sagging) major moment below the axis.
    // Half the sketch's width: two diagrams to a row.
    const double sign = ComponentsOf(action).moment ? 1.0 : -1.0;
    constexpr double kDiagramWidth = 340, kHeight = 58, kAxis = 29, kReach = 16;
    const XScale sx = ScaleOf(member, 62, kDiagramWidth - 12);
    auto sy = [&](double v) { return kAxis + sign * v / peak * kReach; };

    const std::string name = ActionName(action);
    std::string svg = SvgOpen(kDiagramWidth, kHeight, "diagram", name + " diagram");
    std::vector<std::pair<double, double>> outline = {{sx(samples.front().x), kAxis}};
    for (const ActionSample& s : samples) outline.emplace_back(sx(s.x), sy(s.value));
    outline.emplace_back(sx(samples.back().x), kAxis);
    svg += Polygon(outline, "area");
    svg += Line(sx.left, kAxis, sx.right, kAxis, "axis");
    svg += Text(2, kAxis + 4, name, "name", "start");
    for (const ActionSample* s : {&e.max, &e.min}) {
        if (std::abs(s->value) <= 1e-9 || (s == &e.min && e.min.x == e.max.x)) continue;
        const double y = sy(s->value);
        const double ty = std::clamp(y + (y >= kAxis ? 12 : -4), 10.0, kHeight - 2);
        const double tx = std::clamp(sx(s->x), sx.left + 45, sx.right - 45);
        svg += "<circle cx=\"" + Num(sx(s->x)) + "\" cy=\"" + Num(y) + "\" r=\"2\" class=\"dot\"/>";
        svg += Text(tx, ty, ValueText(action, s->value), "extreme");
    }
    if (std::isfinite(governingX)) {
        const double gx = sx(governingX);
        svg += Line(gx, 16, gx, kHeight - 2, "governing");
    }
    return svg + "</svg>";
}

}  // namespace as4100
