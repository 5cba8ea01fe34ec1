// The section and grade catalogue, read once from the tables embedded at build time.
#include "host/Catalogue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>

#include "host/EmbeddedData.h"

namespace Arbor::Data {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Tables are in millimetres and megapascals; the catalogue holds SI.
constexpr double kMm = 1e-3, kMm2 = 1e-6, kMm3 = 1e-9, kMm4 = 1e-12, kMm6 = 1e-18;
constexpr double kMPa = 1e6;
constexpr double kSteelDensity = 7850.0;  // kg/m³

// ---- text helpers -------------------------------------------------------------------------

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The form names are compared in: lower case, no blanks, the multiplication sign as 'x'
// ("100 × 100 × 10 EA" and "100x100x10ea" are the same section).
std::string Normalise(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
        if (c == '\xC3' && i + 1 < text.size() && text[i + 1] == '\x97') {  // U+00D7
            out += 'x';
            ++i;
            continue;
        }
        out += Lower(c);
    }
    return out;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// A number of the table, NaN when the cell is empty or not a number.
double Number(std::string_view cell) {
    cell = Trim(cell);
    double value = kNaN;
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    if (error != std::errc() || end != cell.data() + cell.size()) return kNaN;
    return value;
}

// Levenshtein distance, for the suggestions of a name that was not found.
int EditDistance(std::string_view a, std::string_view b) {
    std::vector<int> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = static_cast<int>(j);
    for (size_t i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (size_t j = 1; j <= b.size(); ++j) {
            const int substitute = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
            diagonal = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, substitute});
        }
    }
    return row[b.size()];
}

// ---- CSV ----------------------------------------------------------------------------------
// The tables are plain comma-separated text without quoted fields; lines starting with '#'
// are comments and the first other line names the columns.

class Table {
  public:
    explicit Table(std::string_view text) {
        while (!text.empty()) {
            const size_t end = std::min(text.find('\n'), text.size());
            const std::string_view line = Trim(text.substr(0, end));
            text.remove_prefix(std::min(end + 1, text.size()));
            if (line.empty() || line.front() == '#') continue;
            if (header_.empty())
                header_ = Split(line);
            else
                rows_.push_back(Split(line));
        }
    }

    const std::vector<std::vector<std::string_view>>& Rows() const { return rows_; }

    // The cell of a column in a row; empty when the column or the cell is missing.
    std::string_view Cell(const std::vector<std::string_view>& row, std::string_view column) const {
        const auto it = std::find(header_.begin(), header_.end(), column);
        const size_t index = static_cast<size_t>(it - header_.begin());
        return index < row.size() ? Trim(row[index]) : std::string_view{};
    }
    double Value(const std::vector<std::string_view>& row, std::string_view column) const {
        return Number(Cell(row, column));
    }

  private:
    static std::vector<std::string_view> Split(std::string_view line) {
        std::vector<std::string_view> cells;
        for (size_t start = 0;;) {
            const size_t comma = line.find(',', start);
            cells.push_back(line.substr(start, comma - start));
            if (comma == std::string_view::npos) return cells;
            start = comma + 1;
        }
    }

    std::vector<std::string_view> header_;
    std::vector<std::vector<std::string_view>> rows_;
};

// ---- how each section table maps onto a section record ----------------------------------

// A published property: the smaller of the listed columns (the elastic modulus of the
// farther fibre where a table lists both), times the unit factor; none listed: not published.
struct Property {
    std::vector<std::string_view> columns;
    double unit = 1.0;
};

struct FamilyTable {
    std::string_view file;    // under data/
    std::string_view family;  // empty: the table's own "family" column
    int shape;
    unsigned category;
    std::vector<std::string_view> dimensions;  // columns in the record's order, mm
    bool inferRootRadius;                      // I sections: r appended from the area
    Property Ag, Ix, Iy, Zx, Zy, Sx, Sy, J, Iw;
};

const std::vector<FamilyTable>& FamilyTables() {
    using namespace ResidualStress;
    const Property none{};
    static const std::vector<FamilyTable> tables{
        {"sections/i_sections.csv",
         "",
         SecShape::I,
         HR,
         {"d", "bf", "tf", "bf", "tf", "tw"},
         true,
         {{"Ag"}, kMm2},
         {{"Ix"}, kMm4},
         {{"Iy"}, kMm4},
         {{"Zx"}, kMm3},
         {{"Zy"}, kMm3},
         {{"Sx"}, kMm3},
         {{"Sy"}, kMm3},
         {{"J"}, kMm4},
         {{"Iw"}, kMm6}},
        {"sections/pfc.csv",
         "PFC",
         SecShape::PFC,
         HR,
         {"d", "bf", "tf", "tw", "r1"},
         false,
         {{"Ag"}, kMm2},
         {{"Ix"}, kMm4},
         {{"Iy"}, kMm4},
         {{"Zx"}, kMm3},
         {{"ZyR", "ZyL"}, kMm3},
         {{"Sx"}, kMm3},
         {{"Sy"}, kMm3},
         {{"J"}, kMm4},
         {{"Iw"}, kMm6}},
        // Equal angles: x and y are the axes parallel to the legs (In = Ip).
        {"sections/ea.csv",
         "EA",
         SecShape::Angle,
         HR,
         {"b", "b", "t", "r1", "r2"},
         false,
         {{"Ag"}, kMm2},
         {{"In"}, kMm4},
         {{"In"}, kMm4},
         {{"Zn_far", "Zn_near"}, kMm3},
         {{"Zn_far", "Zn_near"}, kMm3},
         {{"Sn"}, kMm3},
         {{"Sn"}, kMm3},
         {{"J"}, kMm4},
         none},
        // Hollow sections publish no J (the geometry takes Bredt's formula) and no Iw.
        {"sections/chs.csv",
         "CHS",
         SecShape::CHS,
         CF,
         {"D", "t"},
         false,
         {{"Ag"}, kMm2},
         {{"I"}, kMm4},
         {{"I"}, kMm4},
         {{"Z"}, kMm3},
         {{"Z"}, kMm3},
         {{"S"}, kMm3},
         {{"S"}, kMm3},
         none,
         none},
        {"sections/rhs.csv",
         "RHS",
         SecShape::RHS,
         CF,
         {"d", "b", "t", "t"},
         false,
         {{"Ag"}, kMm2},
         {{"Ix"}, kMm4},
         {{"Iy"}, kMm4},
         {{"Zx"}, kMm3},
         {{"Zy"}, kMm3},
         {{"Sx"}, kMm3},
         {{"Sy"}, kMm3},
         none,
         none},
        {"sections/shs.csv",
         "SHS",
         SecShape::RHS,
         CF,
         {"d", "b", "t", "t"},
         false,
         {{"Ag"}, kMm2},
         {{"I"}, kMm4},
         {{"I"}, kMm4},
         {{"Z"}, kMm3},
         {{"Z"}, kMm3},
         {{"S"}, kMm3},
         {{"S"}, kMm3},
         none,
         none},
    };
    return tables;
}

std::string_view EmbeddedFile(std::string_view path) {
    for (const auto& [name, content] : Embedded::Files())
        if (name == path) return content;
    return {};
}

double Published(const Table& table, const std::vector<std::string_view>& row,
                 const Property& property) {
    double value = kNaN;
    for (std::string_view column : property.columns) {
        const double v = table.Value(row, column);
        if (!std::isnan(v)) value = std::isnan(value) ? v : std::min(value, v);
    }
    return value * property.unit;
}

// The tables list no root radius for UB and UC. It follows from the published area, which
// counts the four root fillets: Ag = B1·T1 + B2·T2 + (D − T1 − T2)·tw + 4(1 − π/4)r², so
// r = sqrt((Ag − plates) / (4 − π)); zero when the area leaves nothing for them.
double RootRadiusFromArea(const std::vector<double>& d, double area) {
    const double plates = d[1] * d[2] + d[3] * d[4] + (d[0] - d[2] - d[4]) * d[5];
    return std::sqrt(std::max(0.0, (area - plates) / (4.0 - std::numbers::pi)));
}

// Equal angles: the centroid from the heel (pB, the same along both legs), the product moment
// about the leg axes and the principal-axis values; the two v-v moduli as listed.
PublishedAngleProperties AnglePropertiesOf(const Table& table,
                                           const std::vector<std::string_view>& row) {
    const auto value = [&](std::string_view column, double unit) {
        return table.Value(row, column) * unit;
    };
    PublishedAngleProperties a;
    a.xbar = a.ybar = value("pB", kMm);
    a.Ixy = value("Inp", kMm4);
    a.Iu = value("Iu", kMm4);
    a.Iv = value("Iv", kMm4);
    a.Zu = value("Zu", kMm3);
    a.Zv1 = value("Zv_heel", kMm3);
    a.Zv2 = value("Zv_toe", kMm3);
    a.Su = value("Su", kMm3);
    a.Sv = value("Sv", kMm3);
    return a;
}

// One row as an entry; nothing when a dimension is missing or not a positive number.
std::optional<CatalogueEntry> EntryOf(const FamilyTable& layout, const Table& table,
                                      const std::vector<std::string_view>& row) {
    CatalogueEntry entry;
    entry.designation = std::string(table.Cell(row, "designation"));
    entry.family = std::string(layout.family.empty() ? table.Cell(row, "family") : layout.family);
    if (entry.designation.empty() || entry.family.empty()) return std::nullopt;

    std::vector<double> dims;
    for (std::string_view column : layout.dimensions) {
        const double v = table.Value(row, column) * kMm;
        if (!(v > 0.0) || !std::isfinite(v)) return std::nullopt;
        dims.push_back(v);
    }
    PublishedProperties p;
    p.Ag = Published(table, row, layout.Ag);
    p.Ix = Published(table, row, layout.Ix);
    p.Iy = Published(table, row, layout.Iy);
    p.Zx = Published(table, row, layout.Zx);
    p.Zy = Published(table, row, layout.Zy);
    p.Sx = Published(table, row, layout.Sx);
    p.Sy = Published(table, row, layout.Sy);
    p.J = Published(table, row, layout.J);
    p.Iw = Published(table, row, layout.Iw);
    entry.massPerMetre = table.Value(row, "mass_kg_per_m");
    if (!(entry.massPerMetre > 0.0)) entry.massPerMetre = kSteelDensity * p.Ag;
    p.xL = table.Value(row, "xL") * kMm;  // channels only; NaN where the table has no column
    p.xO = table.Value(row, "xO") * kMm;
    if (layout.inferRootRadius)
        dims.push_back(RootRadiusFromArea(dims, std::isnan(p.Ag) ? 0 : p.Ag));

    CSection& s = entry.section;
    s.SetName(FromUtf8(entry.designation));
    s.SetShape(layout.shape);
    s.SetDimensions(std::move(dims));
    s.SetCategory(layout.category);
    s.SetPublished(p);
    if (layout.shape == SecShape::Angle) s.SetPublishedAngle(AnglePropertiesOf(table, row));
    return entry;
}

// ---- grades -------------------------------------------------------------------------------

std::optional<GradeBand> BandOf(const Table& table, const std::vector<std::string_view>& row) {
    GradeBand band;
    const std::string_view op = table.Cell(row, "bound_op");
    band.op = op == "<" ? GradeBand::Less : op == "<=" ? GradeBand::LessEqual : GradeBand::Any;
    band.bound = band.op == GradeBand::Any ? 0.0 : table.Value(row, "bound_mm") * kMm;
    band.fy = table.Value(row, "fy") * kMPa;
    band.fu = table.Value(row, "fu") * kMPa;
    if (!(band.fy > 0.0) || !(band.fu > 0.0) || std::isnan(band.bound)) return std::nullopt;
    return band;
}

// Rows of one grade follow each other in the table, in the order they are tried.
std::vector<CSteelGrade> GradesOf(std::string_view text) {
    const Table table(text);
    std::vector<std::string> names;
    std::vector<std::vector<GradeBand>> bands;
    for (const auto& row : table.Rows()) {
        const std::string name(table.Cell(row, "grade"));
        const auto band = BandOf(table, row);
        if (name.empty() || !band) continue;
        const auto it = std::find(names.begin(), names.end(), name);
        if (it == names.end()) {
            names.push_back(name);
            bands.push_back({*band});
        } else {
            bands[static_cast<size_t>(it - names.begin())].push_back(*band);
        }
    }
    std::vector<CSteelGrade> grades;
    for (size_t i = 0; i < names.size(); ++i)
        grades.emplace_back(FromUtf8(names[i]), std::move(bands[i]), 2.0e11, 8.0e10);
    return grades;
}

bool SameFamily(std::string_view a, std::string_view b) {
    return Normalise(a) == Normalise(b);
}

}  // namespace

const Catalogue& Catalogue::Instance() {
    static const Catalogue catalogue;
    return catalogue;
}

// Families in the order of the listing: rolled I, channels, angles, then the hollow sections.
// Families without a geometry class yet are listed and found all the same, and the checker
// reports their shape as not handled.
Catalogue::Catalogue() {
    for (const FamilyTable& layout : FamilyTables()) {
        const Table table(EmbeddedFile(layout.file));
        for (const auto& row : table.Rows())
            if (auto entry = EntryOf(layout, table, row)) sections_.push_back(std::move(*entry));
    }
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        sectionIndex_.emplace(Normalise(sections_[i].designation), i);
    }
    grades_ = GradesOf(EmbeddedFile("grades.csv"));
    for (const CSteelGrade& grade : grades_) gradeKeys_.push_back(Normalise(ToUtf8(grade.Name())));
}

const CatalogueEntry* Catalogue::FindSection(std::string_view designation) const {
    const std::string key = Normalise(designation);
    if (key.empty()) return nullptr;
    const auto found = sectionIndex_.find(key);
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

std::vector<std::string> Catalogue::Suggest(std::string_view designation, int count) const {
    // The edit distance costs the product of the lengths: a name far longer than any
    // designation has no near neighbour, and must not take time in proportion to its size.
    constexpr std::size_t kLongestWorthSuggesting = 64;
    if (designation.size() > kLongestWorthSuggesting) return {};
    const std::string key = Normalise(designation);
    std::vector<std::pair<int, size_t>> ranked;  // (distance, table position)
    for (size_t i = 0; i < sections_.size(); ++i)
        ranked.emplace_back(EditDistance(key, Normalise(sections_[i].designation)), i);
    const size_t keep = std::min(ranked.size(), static_cast<size_t>(std::max(count, 0)));
    std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(keep),
                      ranked.end());
    std::vector<std::string> names;
    for (size_t i = 0; i < keep; ++i) names.push_back(sections_[ranked[i].second].designation);
    return names;
}

std::vector<const CatalogueEntry*> Catalogue::Sections(std::string_view family) const {
    std::vector<const CatalogueEntry*> entries;
    for (const CatalogueEntry& entry : sections_)
        if (family.empty() || SameFamily(entry.family, family)) entries.push_back(&entry);
    return entries;
}

std::optional<CSteelGrade> Catalogue::FindGrade(std::string_view name) const {
    const std::string key = Normalise(name);
    for (std::size_t i = 0; i < grades_.size(); ++i)
        if (!key.empty() && gradeKeys_[i] == key) return grades_[i];
    return std::nullopt;
}

std::vector<std::string> Catalogue::GradeNames() const {
    std::vector<std::string> names;
    for (const CSteelGrade& grade : grades_) names.push_back(ToUtf8(grade.Name()));
    return names;
}

// Hollow sections are cold-formed C350L0 (AS/NZS 1163); hot-rolled and welded sections
// default to 300PLUS (AS/NZS 3679.1).
std::string Catalogue::DefaultGrade(std::string_view family) {
    for (std::string_view hollow : {"CHS", "RHS", "SHS"})
        if (SameFamily(family, hollow)) return "C350L0";
    return "300PLUS";
}

}  // namespace Arbor::Data
