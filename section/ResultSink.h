// Small helpers for writing into an optional result object: report lines only when a result
// exists and its text is on; utilisations and flags whenever a result exists.
#pragma once

#include "host/MemberResult.h"

namespace Arbor::Steel::SteelAS4100 {

inline bool IsTextOn(const CMemberResult* result) {
    return result && result->TextEnabled();
}

inline void WriteLine(CMemberResult* result, const CString& text) {
    if (IsTextOn(result)) result->AddOutputString(text);
}
// A literal line: no string is built when text is off.
inline void WriteLine(CMemberResult* result, const wchar_t* text) {
    if (IsTextOn(result)) result->AddOutputString(text);
}

inline void AddFlag(CMemberResult* result, unsigned flags) {
    if (result) result->AddFlags(flags);
}

using UtilSetter = void (CMemberResult::*)(double);

inline void StoreUtil(CMemberResult* result, UtilSetter setter, double value) {
    if (result) (result->*setter)(value);
}

}  // namespace Arbor::Steel::SteelAS4100
