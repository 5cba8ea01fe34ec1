// A whole model as analysis programs export it: a members table and a station-forces table
// (CSV), optionally load combinations (JSON), turned into member inputs for the checker.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/CsvTable.h"
#include "app/MemberFile.h"
#include "app/StationTable.h"

namespace as4100 {

struct RestraintAt {
    double x = 0.0;  // m
    unsigned bits = 0;
};

// One row of the members table, SI.
struct MemberRow {
    std::string name, section, grade, group;
    double length = 0.0;
    double loadHeight = 0.0;
    std::vector<RestraintAt> restraints;  // by position; an empty cell gives F at both ends
    std::string source;                   // "members.csv row 4", for messages
    std::string refusal;                  // why the row cannot be used; empty when it can
};

// Every row, refused ones too (so that the schedule lists every member). Throws InputError
// for a table that cannot be read at all: a required column missing, a unit missing or
// unknown.
std::vector<MemberRow> ReadMembersTable(const CsvTable& table);

struct ForcesTable {
    std::string source;
    std::string xHeading;                // the x column's heading as written, for messages
    std::vector<std::string> caseNames;  // in order of first appearance
    // member → case → stations, in the order given.
    std::map<std::string, std::map<std::string, std::vector<Station>>> stations;
    std::map<std::string, std::string> refusals;  // member → its first bad row
    std::vector<std::string> problems;            // rows of members not in the members table
};

// Reads the station forces of the members in `members`; the columns named in `flip` (any
// case) have their signs changed. Throws InputError for a table that cannot be read at all.
ForcesTable ReadForcesTable(const CsvTable& table, const std::vector<MemberRow>& members,
                            const std::set<std::string>& flip);

// A named load combination: factors on primary load cases, superposed before checking.
struct Combination {
    std::string name;
    std::vector<std::pair<std::string, double>> factors;
};

// {"combinations": [{"name": "1.2G+1.5Q", "factors": {"G": 1.2, "Q": 1.5}}, ...]}; every case
// named must be a case of the forces table.
std::vector<Combination> ParseCombinations(const std::string& text, const std::string& source,
                                           const std::vector<std::string>& caseNames);
std::vector<Combination> ReadCombinationsFile(const std::string& path,
                                              const std::vector<std::string>& caseNames);

struct ModelMember {
    MemberRow row;
    std::optional<MemberInput> input;  // empty when refused
    std::string refusal;
    std::vector<std::string> notes;  // cases or combinations left out, and why
};

// The member with every case (or, when `combinations` is not empty, every combination) it
// has forces for, as the member-file loader builds it: the points are the stations of all
// its cases and its restraint positions.
ModelMember BuildModelMember(const MemberRow& row, const ForcesTable& forces,
                             const std::vector<Combination>& combinations);

}  // namespace as4100
