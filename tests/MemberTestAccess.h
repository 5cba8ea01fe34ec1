// Reaches the private checks of the member for the tests. Add forwarding functions as needed;
// never remove one another test uses.
#pragma once

#include <memory>
#include <vector>

#include "member/AS4100Member.h"

namespace Arbor::Steel::SteelAS4100 {

struct MemberTestAccess {
    using Member = CAS4100_98Member;

    static void SetCalculator(Member& m, std::shared_ptr<CAS4100_98Section> calc) {
        m.section_ = std::move(calc);
    }
    static std::vector<CInteractionData>& Records(Member& m) { return m.interaction_; }
    static bool CheckLocal(const Member& m) { return m.CheckLocal(); }
    static bool CheckBuckling(const Member& m) { return m.CheckBuckling(); }
};

}  // namespace Arbor::Steel::SteelAS4100
