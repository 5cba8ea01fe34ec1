// Which reading of AS 4100-1998 the checker applies. The rules as written are the checker's
// defined behaviour, which hosts rely on; the standard's reading replaces, at each place listed
// in docs/departures.md, the checker's rule with the clause's own.
#pragma once

namespace Arbor::Steel::SteelAS4100 {

enum class RuleSet {
    AsWritten = 0,  // the checker's rules as written (default)
    Standard = 1,   // the clauses' own rules where the two differ
};

}  // namespace Arbor::Steel::SteelAS4100
