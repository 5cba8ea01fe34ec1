// Fuzz target: any bytes as a member file. The loader must refuse what is malformed with an
// InputError; whatever it accepts must check (full report and quick check) without crashing.
// The reader must also read the bytes alike into a fresh document and into one reused input
// after input (as the batch reads its lines).
#include <cstddef>
#include <cstdint>
#include <string>

#include <nlohmann/json.hpp>

#include "app/JsonField.h"
#include "app/MemberFile.h"
#include "app/RunCheck.h"

namespace {

void ReadAlikeFreshAndReused(const std::string& text) {
    static as4100::JsonDocument reused;
    nlohmann::json fresh;
    bool refused = false;
    try {
        const as4100::JsonDocument document = as4100::ParseJsonDocument(text, "fuzz");
        fresh = document.ToJson(document.Root());
    } catch (const as4100::InputError&) {
        refused = true;
    }
    try {
        as4100::ParseJsonDocument(text, "fuzz", reused);
        if (refused || reused.ToJson(reused.Root()) != fresh) __builtin_trap();
    } catch (const as4100::InputError&) {
        if (!refused) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ReadAlikeFreshAndReused(text);
    as4100::MemberInput member;
    try {
        member = as4100::ParseMemberText(text, "fuzz");
    } catch (const as4100::InputError&) {
        return 0;  // refused, as it should be
    }
    // Bound the work of one input: the checks are linear in the member's size.
    if (member.points.size() > 2000 || member.cases.size() > 8) return 0;
    static as4100::MemberChecker checker;
    checker.Run(member, {/*quick=*/false, /*report=*/true, /*rules=*/{}});
    checker.Run(member, {/*quick=*/true, /*report=*/false, /*rules=*/{}});
    return 0;
}
