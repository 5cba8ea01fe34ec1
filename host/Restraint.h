// Restraint record of a member point or along a sub-span (ArData).
#pragma once

namespace Arbor::Data {

// Bits of the restraint word that the checker reads. Our host keeps the state of each freedom
// in one bit: a bit set is restrained, a bit clear is free.
namespace RestraintBit {
inline constexpr unsigned LateralRotation = 12;     // rotation about the minor axis at the flanges
inline constexpr unsigned FullTwist = 64;
inline constexpr unsigned Twist = 128;
inline constexpr unsigned Flange1 = 512;             // lateral restraint of flange 1
inline constexpr unsigned Flange2 = 1024;            // lateral restraint of flange 2
inline constexpr unsigned RotationXX = 0x10000;      // rotation, major-axis buckling
inline constexpr unsigned RotationYY = 0x40000;      // rotation, minor-axis buckling
inline constexpr unsigned TranslationYY = 0x100000;  // lateral translation (minor-axis buckling)
inline constexpr unsigned TranslationXX = 0x200000;  // support (major-axis buckling)
}  // namespace RestraintBit

class CRestraint {
public:
    enum LoadPos { ShearCentre = 0, TopFlange = 1, BottomFlange = 2 };

    CRestraint() = default;
    CRestraint(int bits, LoadPos pos = ShearCentre, double height = 0.0)
        : bits_(static_cast<unsigned>(bits)), loadPos_(pos), loadHeight_(height) {}
    CRestraint(int bits, int pos, double height)
        : CRestraint(bits, static_cast<LoadPos>(pos), height) {}

    // Every bit of `bit` is held. The second argument is kept for the framework's signature:
    // our host has no "unknown" state, so it changes nothing.
    bool IsRestrained(unsigned bit, bool /*exact*/ = true) const {
        return bit != 0 && (bits_ & bit) == bit;
    }
    // No bit of `bit` is held.
    bool IsFree(unsigned bit, bool /*exact*/ = true) const { return (bits_ & bit) == 0; }

    unsigned Bits() const { return bits_; }
    void SetBits(unsigned bits) { bits_ = bits; }
    LoadPos LoadPosition() const { return loadPos_; }
    // Height of the applied load above the shear centre, metres.
    double LoadHeight() const { return loadHeight_; }
    void SetLoadHeight(double h) { loadHeight_ = h; }

    bool operator==(const CRestraint&) const = default;

private:
    unsigned bits_ = 0;
    LoadPos loadPos_ = ShearCentre;
    double loadHeight_ = 0.0;
};

}  // namespace Arbor::Data

namespace Arbor::Steel {
using Arbor::Data::CRestraint;
namespace RestraintBit = Arbor::Data::RestraintBit;
}  // namespace Arbor::Steel
