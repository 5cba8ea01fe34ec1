#include "app/RestraintNames.h"

#include "host/Restraint.h"

namespace as4100 {

namespace Bit = Arbor::Data::RestraintBit;

namespace {

// An F end in the sense of cl. 5.4.2.1: supported, both flanges held laterally, the section
// held against twist.
constexpr unsigned kFullEnd = Bit::TranslationXX | Bit::TranslationYY | Bit::FullTwist |
                              Bit::Twist | Bit::Flange1 | Bit::Flange2;

}  // namespace

// The host's bit layout: the bits the checker reads for spans, effective lengths and segment
// types, and the connection bits the channel, T and angle calculators test to decide how the
// member is connected at a point. The connection bits' meaning is ours (the host's); the docs
// describe what the checker does with each.
const std::vector<RestraintName>& RestraintVocabulary() {
    static const std::vector<RestraintName> names = {
        {"support", Bit::TranslationXX, "held against translation in y (major-axis buckling)"},
        {"lateral", Bit::TranslationYY, "held against lateral translation (minor-axis buckling)"},
        {"rotation_x", Bit::RotationXX, "held against rotation about x (major-axis buckling)"},
        {"rotation_y", Bit::RotationYY, "held against rotation about y (minor-axis buckling)"},
        {"twist", Bit::Twist, "held against twist"},
        {"full_twist", Bit::FullTwist, "held fully against twist"},
        {"flange1", Bit::Flange1, "flange 1 (bottom) held laterally"},
        {"flange2", Bit::Flange2, "flange 2 (top) held laterally"},
        {"lateral_rotation", Bit::LateralRotation, "flanges held against lateral rotation"},
        {"F", kFullEnd, "support + lateral + twist + full_twist + flange1 + flange2"},
        {"flange1_bolted", 1, "connection: flange 1 bolted"},
        {"flange2_bolted", 2, "connection: flange 2 bolted"},
        {"flange1_welded", 16, "connection: flange 1 welded"},
        {"flange2_welded", 32, "connection: flange 2 welded"},
        {"connection_x", 0x20000, "connection stiff about x (angle: through leg b)"},
        {"connection_y", 0x80000, "connection stiff about y (angle: through leg a)"},
        {"leg_a", 0x1000000, "angle connected by leg a"},
        {"leg_b", 0x2000000, "angle connected by leg b"},
        // Flange 1 is the bottom flange, flange 2 the top (positive major-axis moment
        // compresses flange 2): the names an engineer reads off a drawing.
        {"top_flange", Bit::Flange2, "top flange (flange 2) held laterally"},
        {"bottom_flange", Bit::Flange1, "bottom flange (flange 1) held laterally"},
    };
    return names;
}

std::optional<unsigned> RestraintBitsOf(std::string_view name) {
    for (const RestraintName& entry : RestraintVocabulary()) {
        if (name == entry.name) return entry.bits;
    }
    return std::nullopt;
}

std::pair<std::vector<std::string>, unsigned> RestraintNamesOf(unsigned bits) {
    std::vector<std::string> names;
    unsigned covered = 0;
    if ((bits & kFullEnd) == kFullEnd) {
        names.emplace_back("F");
        covered |= kFullEnd;
    }
    for (const RestraintName& entry : RestraintVocabulary()) {
        if (entry.bits == kFullEnd) continue;
        if ((bits & entry.bits) == entry.bits && (covered & entry.bits) != entry.bits) {
            names.emplace_back(entry.name);
            covered |= entry.bits;
        }
    }
    return {names, bits & ~covered};
}

}  // namespace as4100
