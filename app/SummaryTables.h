// The summary of a checked member as tables of text cells, shared by the terminal summary and
// the reports. Numbers in engineering units through the host's formatter.
#pragma once

#include <string>
#include <vector>

#include "app/RunCheck.h"
#include "host/DesFormat.h"

namespace as4100 {

struct Table {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

// One row per load case: name, PASS/FAIL, governing utilisation, the check that governs.
Table CasesTable(const MemberResult& result);
// One row per sub-span: its local utilisations.
Table LocalTable(const CaseResult& c);
// The member buckling entry's utilisations (no rows for a local-only check).
Table BucklingTable(const CaseResult& c);
// One row per span of each kind: kind, points, x from, x to, effective length, r. The
// lateral-torsional rows give le = kt·kl·kr·L of each segment and no r.
Table LengthsTable(const CaseResult& c);
// One row per lateral-torsional segment (two for reverse curvature): points, from, to, end
// restraint types, critical flange, kt, kl, kr, L, le, αm, and a note.
Table LtSegmentsTable(const CaseResult& c);

// "x = 3.600 m in sub-span 1 (a moment extremum)" per added member point.
std::vector<std::string> StationLines(const MemberResult& result);

// The formatter of the terminal and report output: engineering units.
const Arbor::Util::CDesFormat& HumanFormat();

std::string Verdict(const CaseResult& c);    // "PASS" or "FAIL"
std::string FlagsText(const CaseResult& c);  // "none" or "failed, section capacity reached"
std::string UtilText(double u);
std::string MemberHeading(const MemberResult& result);  // "B1 roof beam: 310UB40.4, 300PLUS"

}  // namespace as4100
