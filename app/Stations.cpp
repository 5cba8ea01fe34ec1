#include "app/Stations.h"

#include <algorithm>
#include <cmath>

namespace as4100 {

namespace {

using Arbor::Steel::CMemberPoint;
using Arbor::Steel::CSubSpan;
using Arbor::Steel::Vec3;

constexpr int kMajor = 1;
constexpr int kMinor = 2;
// Stations closer than this fraction of the sub-span to an end or to one another are one.
constexpr double kCloseFraction = 0.01;

double Linear(double left, double right, double ratio) {
    return left + (right - left) * ratio;
}

// The positions inside sub-span k where any case asks for a station, sorted, near ones merged.
std::vector<double> StationsOf(const std::vector<Arbor::Steel::SubSpanVec*>& cases, size_t k,
                               double length, const StationOptions& options,
                               std::vector<bool>& extremum) {
    std::vector<std::pair<double, bool>> wanted;
    if (options.atExtrema) {
        for (const auto* subSpans : cases) {
            for (double a : ShearZeros((*subSpans)[k], length)) wanted.emplace_back(a, true);
        }
    }
    if (options.spacing > 0.0) {
        const int pieces = static_cast<int>(std::ceil(length / options.spacing - 1e-9));
        for (int i = 1; i < pieces; ++i) wanted.emplace_back(length * i / pieces, false);
    }
    // Actions too large to interpolate (beyond double range) get no station.
    const auto finite = [&](double a) {
        for (const auto* subSpans : cases) {
            const Vec3 m = MomentsAt((*subSpans)[k], length, a);
            const Vec3 f = ForcesAt((*subSpans)[k], length, a);
            for (int c = 0; c < 3; ++c) {
                if (!std::isfinite(m[c]) || !std::isfinite(f[c])) return false;
            }
        }
        return true;
    };
    std::erase_if(wanted, [&](const auto& w) { return !finite(w.first); });
    std::sort(wanted.begin(), wanted.end());
    std::vector<double> out;
    extremum.clear();
    const double close = kCloseFraction * length;
    for (const auto& [a, atExtremum] : wanted) {
        if (!out.empty() && a - out.back() < close) {
            extremum.back() = extremum.back() || atExtremum;
            continue;
        }
        out.push_back(a);
        extremum.push_back(atExtremum);
    }
    return out;
}

Arbor::Steel::SubSpanVec Split(const Arbor::Steel::SubSpanVec& subSpans,
                               const std::vector<std::vector<double>>& stations,
                               const std::vector<double>& lengths, std::size_t added) {
    Arbor::Steel::SubSpanVec out;
    out.reserve(subSpans.size() + added);
    for (size_t k = 0; k < subSpans.size(); ++k) {
        const CSubSpan& s = subSpans[k];
        // The pieces between the cuts 0, the stations, the length.
        const std::vector<double>& cuts = stations[k];
        for (size_t i = 0; i <= cuts.size(); ++i) {
            const double a = i == 0 ? 0.0 : cuts[i - 1];
            const double b = i == cuts.size() ? lengths[k] : cuts[i];
            out.emplace_back(static_cast<int>(out.size()), ForcesAt(s, lengths[k], a),
                             ForcesAt(s, lengths[k], b), MomentsAt(s, lengths[k], a),
                             MomentsAt(s, lengths[k], b), s.GetRestraint());
        }
    }
    return out;
}

}  // namespace

std::vector<double> ShearZeros(const CSubSpan& subSpan, double length) {
    std::vector<double> zeros;
    for (int axis : {kMajor, kMinor}) {
        const double left = subSpan.GetForcesLeft()[axis];
        const double right = subSpan.GetForcesRight()[axis];
        if (!(left * right < 0.0)) continue;
        const double a = length * left / (left - right);
        if (a > kCloseFraction * length && a < (1.0 - kCloseFraction) * length) zeros.push_back(a);
    }
    return zeros;
}

Vec3 ForcesAt(const CSubSpan& s, double length, double a) {
    const double ratio = length > 0.0 ? a / length : 0.0;
    Vec3 out;
    for (int c = 0; c < 3; ++c) out[c] = Linear(s.GetForcesLeft()[c], s.GetForcesRight()[c], ratio);
    return out;
}

Vec3 MomentsAt(const CSubSpan& s, double length, double a) {
    const double ratio = length > 0.0 ? a / length : 0.0;
    Vec3 out;
    for (int c = 0; c < 3; ++c) {
        out[c] = Linear(s.GetMomentsLeft()[c], s.GetMomentsRight()[c], ratio);
    }
    if (length > 0.0) {
        for (int axis : {kMajor, kMinor}) {
            const double w = (s.GetForcesLeft()[axis] - s.GetForcesRight()[axis]) / length;
            out[axis] += 0.5 * w * a * (length - a);
        }
    }
    return out;
}

StationMap AddStations(Arbor::Steel::MemberPointVec& points,
                       std::vector<Arbor::Steel::SubSpanVec*> cases,
                       const StationOptions& options) {
    const size_t count = points.size() - 1;
    StationMap map;
    map.filePoint.reserve(count + 1);
    map.fileSubSpan.reserve(count);
    std::vector<std::vector<double>> stations(count);
    std::vector<double> lengths(count);
    std::vector<bool> extremum;
    for (size_t k = 0; k < count; ++k) {
        const double x0 = points[k].Position();
        lengths[k] = points[k + 1].Position() - x0;
        stations[k] = StationsOf(cases, k, lengths[k], options, extremum);
        map.filePoint.push_back(static_cast<int>(k));
        map.fileSubSpan.push_back(static_cast<int>(k));
        for (size_t i = 0; i < stations[k].size(); ++i) {
            map.filePoint.push_back(-1);
            map.fileSubSpan.push_back(static_cast<int>(k));
            map.added.push_back({x0 + stations[k][i], static_cast<int>(k), extremum[i]});
        }
    }
    map.filePoint.push_back(static_cast<int>(count));
    if (map.added.empty()) return map;
    Arbor::Steel::MemberPointVec newPoints;
    newPoints.reserve(points.size() + map.added.size());
    for (size_t k = 0; k < count; ++k) {
        newPoints.push_back(points[k]);
        for (const double a : stations[k]) {
            newPoints.emplace_back(points[k].Position() + a, Arbor::Data::CRestraint());
        }
    }
    newPoints.push_back(points.back());
    points = std::move(newPoints);
    for (auto* subSpans : cases) *subSpans = Split(*subSpans, stations, lengths, map.added.size());
    return map;
}

}  // namespace as4100
