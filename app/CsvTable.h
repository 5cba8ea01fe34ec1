// A CSV table as analysis programs and spreadsheets export it: a header row, then data rows;
// fields separated by commas, optionally in double quotes ("" for a quote inside).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace as4100 {

struct CsvRow {
    std::size_t line = 0;  // line number in the file (the header is line 1)
    std::vector<std::string> cells;
};

struct CsvTable {
    std::string source;  // the file name, for messages
    std::vector<std::string> header;
    std::vector<CsvRow> rows;  // blank lines left out
};

// Parses CSV text (a UTF-8 byte-order mark and CR line ends are accepted). Throws InputError
// for an empty table or an unterminated quote.
CsvTable ParseCsv(const std::string& text, const std::string& source);
// The whole file as text; an unreadable file is refused (InputError naming it).
std::string ReadTextFile(const std::string& path);
// Reads and parses the file; an unreadable file is refused.
CsvTable ReadCsvFile(const std::string& path);

// A header cell split into its name and the unit in square brackets: "Mx [kNm]" gives
// name "Mx", unit "kNm"; "member" gives "member" and no unit.
struct ColumnHeading {
    std::string name;
    std::optional<std::string> unit;
};
ColumnHeading SplitHeading(const std::string& cell);

// Lower case of ASCII letters, for case-insensitive column names.
std::string LowerCase(std::string text);
// Leading and trailing blanks removed.
std::string Trimmed(const std::string& text);

}  // namespace as4100
