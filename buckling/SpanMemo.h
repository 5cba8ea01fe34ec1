// Values of a buckling span that every record the span covers shares (βm and the moment
// amplification's βm of cl. 4.4.2.2, whether the span is loaded), worked out once per buckling
// walk instead of once per record. The memo holds values only inside a walk or a whole check
// (Scope): between checks the host may change points, sub-spans, section, grade or rule set, so
// each check starts empty and outside one every value is worked out afresh.
#pragma once

#include <array>
#include <cstdint>

namespace Arbor::Steel::SteelAS4100 {

// βm with the mid-span deflections it came from (cl. 4.4.2.2(b)), and whether the span counted
// as loaded for it.
struct SpanValues {
    double betaM = 0.0;
    double deltaCt = 0.0;
    double deltaCw = 0.0;
    bool loaded = false;
};

class SpanMemo {
  public:
    enum class Kind { Loaded, BetaMx, BetaMy, AmplificationStrong, AmplificationWeak };

    // On for the lifetime of the scope, empty at both ends. A scope inside another (a whole
    // check around its buckling walk) keeps the outer one's values.
    class Scope {
      public:
        explicit Scope(SpanMemo& memo) : memo_(memo), outer_(!memo.on_) {
            if (outer_) memo_.Reset(true);
        }
        ~Scope() {
            if (outer_) memo_.Reset(false);
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

      private:
        SpanMemo& memo_;
        bool outer_;
    };

    // The values of span [left, right] of `kind` (and `variant`, a caller's flag), from
    // compute() the first time within a walk.
    template <class Compute>
    SpanValues Get(Kind kind, int left, int right, int variant, Compute compute) {
        if (!on_) return compute();
        ++clock_;
        Slot* oldest = &slots_[0];
        for (Slot& slot : slots_) {
            if (slot.used != 0 && slot.kind == kind && slot.left == left && slot.right == right &&
                slot.variant == variant) {
                slot.used = clock_;
                return slot.values;
            }
            if (slot.used < oldest->used) oldest = &slot;
        }
        *oldest = {kind, left, right, variant, clock_, compute()};
        return oldest->values;
    }

  private:
    // A walk asks about at most three spans at a time (major-axis, minor-axis and segment), so a
    // few slots reused least-recently-used first keep every span's values for its records.
    struct Slot {
        Kind kind = Kind::Loaded;
        int left = 0, right = 0, variant = 0;
        std::uint64_t used = 0;  // 0: empty
        SpanValues values;
    };

    void Reset(bool on) {
        on_ = on;
        clock_ = 0;
        slots_ = {};
    }

    std::array<Slot, 8> slots_{};
    std::uint64_t clock_ = 0;
    bool on_ = false;
};

}  // namespace Arbor::Steel::SteelAS4100
