// Member points, sub-spans and spans of a member (ArSteel).
//
// Sign conventions of our host: forces are [N, V major, V minor] with tension positive;
// moments are [T, M major, M minor]; along the member dM/dx = V for each axis (major moment
// with major shear). Positive major-axis moment compresses flange 2.
//
// Transverse load follows from equilibrium: a sub-span carries the uniform load
// w = -(V right - V left)/length, an interior member point the point load equal to the drop
// in shear across it. "Minor axis loaded" means load along the y axis (it bends the member
// about x, the major axis); "major axis loaded" means load along x (bending about y).
#pragma once

#include <vector>

#include "host/CString.h"
#include "host/DesFormat.h"
#include "host/Restraint.h"
#include "host/Vec3.h"

namespace Arbor::Steel {

class CMemberPoint {
  public:
    CMemberPoint() = default;
    CMemberPoint(double position, const CRestraint& restraint)
        : position_(position), restraint_(restraint) {}

    double Position() const { return position_; }  // metres from the member's start
    const CRestraint& GetRestraint() const { return restraint_; }
    void SetRestraint(const CRestraint& r) { restraint_ = r; }

  private:
    double position_ = 0.0;
    CRestraint restraint_;
};

class CSubSpan {
  public:
    CSubSpan() = default;
    // Sub-span `index` (zero-based) runs from member point `index` to `index + 1`.
    CSubSpan(int index, const Vec3& forcesLeft, const Vec3& forcesRight, const Vec3& momentsLeft,
             const Vec3& momentsRight, const CRestraint& restraint = CRestraint())
        : index_(index),
          forcesLeft_(forcesLeft),
          forcesRight_(forcesRight),
          momentsLeft_(momentsLeft),
          momentsRight_(momentsRight),
          restraint_(restraint) {}

    int Index() const { return index_; }
    int Get1Index() const { return index_ + 1; }
    int IndexCMPLeft() const { return index_; }
    int IndexCMPRight() const { return index_ + 1; }
    const Vec3& GetForcesLeft() const { return forcesLeft_; }
    const Vec3& GetForcesRight() const { return forcesRight_; }
    const Vec3& GetMomentsLeft() const { return momentsLeft_; }
    const Vec3& GetMomentsRight() const { return momentsRight_; }
    // What the sub-span is held by along its length, and the load height of its loads.
    const CRestraint& GetRestraint() const { return restraint_; }

    void SetForces(const Vec3& left, const Vec3& right) {
        forcesLeft_ = left;
        forcesRight_ = right;
    }
    void SetMoments(const Vec3& left, const Vec3& right) {
        momentsLeft_ = left;
        momentsRight_ = right;
    }
    void SetRestraint(const CRestraint& r) { restraint_ = r; }

    bool operator==(const CSubSpan&) const = default;

  private:
    int index_ = 0;
    Vec3 forcesLeft_, forcesRight_, momentsLeft_, momentsRight_;
    CRestraint restraint_;
};

using MemberPointVec = std::vector<CMemberPoint>;
using SubSpanVec = std::vector<CSubSpan>;

// A run of consecutive sub-spans between member points `left` and `right`. It refers to the
// member's vectors, which must outlive it.
class CSpan {
  public:
    CSpan() = default;
    CSpan(const MemberPointVec* points, const SubSpanVec* subSpans, int left, int right)
        : points_(points), subSpans_(subSpans), left_(left), right_(right) {}
    virtual ~CSpan() = default;
    CSpan(const CSpan&) = default;
    CSpan& operator=(const CSpan&) = default;

    void Set(int left, int right) {
        left_ = left;
        right_ = right;
    }
    void SetNull() { left_ = right_ = 0; }
    // Vectors present, 0 <= left < right < point count, and a sub-span for each interval.
    bool IsValid() const {
        return points_ && subSpans_ && left_ >= 0 && left_ < right_ &&
               right_ < static_cast<int>(points_->size()) &&
               right_ <= static_cast<int>(subSpans_->size());
    }

    int GetCMPIndexLeft() const { return left_; }
    int GetCMPIndexRight() const { return right_; }
    int GetCSSIndexLeft() const { return left_; }
    int GetCSSIndexRight() const { return right_ - 1; }
    const MemberPointVec* MemberPoints() const { return points_; }
    const SubSpanVec* SubSpans() const { return subSpans_; }

    bool IsLEndOfMember() const { return left_ == 0; }
    bool IsREndOfMember() const {
        return points_ && right_ + 1 == static_cast<int>(points_->size());
    }
    // A restraint of no freedom for an end outside the member points.
    const CRestraint& RestraintEndL() const {
        return IsPoint(left_) ? (*points_)[static_cast<size_t>(left_)].GetRestraint()
                              : NoRestraint();
    }
    const CRestraint& RestraintEndR() const {
        return IsPoint(right_) ? (*points_)[static_cast<size_t>(right_)].GetRestraint()
                               : NoRestraint();
    }
    // Bits held by every sub-span record of the span (load position and height zero).
    CRestraint ContinuousRestraint() const;

    double PosLeft() const {
        return IsPoint(left_) ? (*points_)[static_cast<size_t>(left_)].Position() : 0.0;
    }
    double PosRight() const {
        return IsPoint(right_) ? (*points_)[static_cast<size_t>(right_)].Position() : 0.0;
    }
    double Length() const { return PosRight() - PosLeft(); }

    // Component-wise largest / smallest end forces and moments over the span's sub-spans
    // (left ends with left ends, right ends with right ends).
    CSubSpan MaxForces() const;
    CSubSpan MinForces() const;
    // One component of those envelopes, forces or moments, in one pass without the rest.
    struct EndRange {
        double maxLeft, maxRight, minLeft, minRight;
    };
    EndRange ForceRange(int component) const;
    EndRange MomentRange(int component) const;
    // Moments at a fraction (0 start, 1 end) of the span: end moments plus the parabola of
    // the sub-span's uniform load; torsion linear.
    Vec3 InterpolateMoments(double fraction) const;

    // Transverse load on the span (beyond a small tolerance). With `pointLoadsOnly` only point
    // loads count.
    bool IsLoaded(bool pointLoadsOnly) const;
    bool IsMinorAxisLoaded() const;  // load along y: bends about the major axis
    bool IsMajorAxisLoaded() const;  // load along x: bends about the minor axis
    // A point load at an interior member point, or a shear at a span end that is a member end
    // and is not supported (0x200000 free), such as a cantilever tip load.
    bool IsLoadedWithPointLoad() const;
    // Loaded, and a load height above the shear centre recorded on the span's records.
    bool IsDestabilized() const;

    // Deflection at x (from the span's start) of the span taken as a simple span of its
    // length under its transverse load, adding the left end moment when `withLeft` and the
    // right end moment when `withRight`. DispYY: along y, from the major-axis moments;
    // DispXX: along x, from the minor-axis moments. Positive moment gives positive result.
    double DispYY(double x, double E, double I, bool withLeft, bool withRight) const;
    double DispXX(double x, double E, double I, bool withLeft, bool withRight) const;

    // "points 1 to 3, 0.000 m to 6.000 m": member points numbered from 1, then positions.
    CString GetString(const CDesFormat& format) const;

    bool operator==(const CSpan& other) const {
        return points_ == other.points_ && subSpans_ == other.subSpans_ && left_ == other.left_ &&
               right_ == other.right_;
    }
    bool operator!=(const CSpan& other) const { return !(*this == other); }

  private:
    // The accessors above are inline: the span checks call them for every span and record.
    bool IsPoint(int index) const {
        return points_ && index >= 0 && index < static_cast<int>(points_->size());
    }
    static const CRestraint& NoRestraint() {
        static const CRestraint none;
        return none;
    }

    const MemberPointVec* points_ = nullptr;
    const SubSpanVec* subSpans_ = nullptr;
    int left_ = 0;
    int right_ = 0;
};

}  // namespace Arbor::Steel
