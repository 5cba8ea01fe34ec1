#include "app/SectionInput.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

#include "app/GradeNames.h"
#include "app/TextTable.h"
#include "host/Catalogue.h"

namespace as4100 {

namespace {

using Arbor::Data::CSection;
using Arbor::Data::CSteelGrade;
using Arbor::Data::GradeBand;
namespace SecShape = Arbor::Data::SecShape;
namespace ResidualStress = Arbor::Data::ResidualStress;

CSection CatalogueSection(const JsonField& field, std::string& name) {
    const std::string designation = field.String();
    const auto& catalogue = Arbor::Data::Catalogue::Instance();
    const Arbor::Data::CatalogueEntry* entry = catalogue.FindSection(designation);
    if (!entry) {
        const auto near = catalogue.Suggest(designation);
        field.Refuse("unknown section",
                     near.empty() ? "" : "did you mean " + JoinWords(near) + "?");
    }
    name = entry->designation;
    return entry->section;
}

unsigned ReadCategory(const JsonField& object, unsigned fallback) {
    const auto field = object.Optional("category");
    if (!field) return fallback;
    const std::string word = field->String();
    if (word == "HW") return ResidualStress::HW;
    if (word == "HR") return ResidualStress::HR;
    if (word == "CF") return ResidualStress::CF;
    if (word == "LW") return ResidualStress::LW;
    if (word == "SR") return ResidualStress::SR;
    field->Refuse("unknown residual stress category", "expected HR, HW, LW, CF or SR");
}

double Dimension(const JsonField& object, const char* key, const UnitSystem& units) {
    return units.Length(object.Member(key).Positive());
}

double OptionalDimension(const JsonField& object, const char* key, const UnitSystem& units) {
    const auto field = object.Optional(key);
    return field ? units.Length(field->NonNegative()) : 0.0;
}

std::string Millimetres(double metres) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", metres * 1000.0);
    return text;
}

// I and H sections: both flanges alike (B, T) or each its own (B1, T1 bottom; B2, T2 top).
// Hot-rolled and cold-formed sections take shape code 1, welded ones code 11.
CSection UserISection(const JsonField& object, const UnitSystem& units, unsigned category) {
    object.RequireObject({"shape", "name", "category", "fabrication", "D", "B", "T", "B1", "T1",
                          "B2", "T2", "tw", "r"});
    const bool sameFlanges = object.Has("B") || object.Has("T");
    if (sameFlanges &&
        (object.Has("B1") || object.Has("B2") || object.Has("T1") || object.Has("T2"))) {
        object.Refuse("give either B and T or B1, T1, B2 and T2");
    }
    const double D = Dimension(object, "D", units);
    const double B1 = Dimension(object, sameFlanges ? "B" : "B1", units);
    const double T1 = Dimension(object, sameFlanges ? "T" : "T1", units);
    const double B2 = sameFlanges ? B1 : Dimension(object, "B2", units);
    const double T2 = sameFlanges ? T1 : Dimension(object, "T2", units);
    const double tw = Dimension(object, "tw", units);
    const double r = OptionalDimension(object, "r", units);
    if (T1 + T2 >= D) object.Member("D").Refuse("must be greater than the two flange thicknesses");
    if (tw >= std::min(B1, B2)) object.Member("tw").Refuse("must be less than the flange width");

    const bool welded = category == ResidualStress::HW || category == ResidualStress::LW ||
                        category == ResidualStress::SR;
    CSection section;
    section.SetShape(welded ? SecShape::WeldedI : SecShape::I);
    section.SetDimensions({D, B1, T1, B2, T2, tw, r});
    if (const auto fabrication = object.Optional("fabrication")) {
        const unsigned code = fabrication->Bits();
        if (code != 1 && code != 2) fabrication->Refuse("must be 1 or 2");
        section.SetFabricationCode(code);
    }
    section.SetName(Arbor::FromUtf8("I " + Millimetres(D) + "x" + Millimetres(B1) + "x" +
                                    Millimetres(T1) + "x" + Millimetres(tw)));
    return section;
}

struct ShapeLayout {
    const char* word;
    int code;
    unsigned defaultCategory;
    std::vector<const char*> required;  // in the order of the record's dimensions
    std::vector<const char*> optional;  // after them, 0 when missing
};

// Shapes other than I: the record's dimensions are the required then the optional keys, in
// the order listed (an RHS has one wall thickness t, recorded for both walls).
const std::vector<ShapeLayout>& OtherShapes() {
    static const std::vector<ShapeLayout> shapes = {
        {"PFC", SecShape::PFC, ResidualStress::HR, {"D", "B", "T", "tw"}, {"r"}},
        {"T", SecShape::T, ResidualStress::HR, {"D", "B", "T", "tw"}, {"r"}},
        {"angle", SecShape::Angle, ResidualStress::HR, {"d", "b", "t"}, {"r1", "r2"}},
        {"CHS", SecShape::CHS, ResidualStress::CF, {"D", "t"}, {}},
        {"RHS", SecShape::RHS, ResidualStress::CF, {"D", "B", "t"}, {}},
    };
    return shapes;
}

// A tube's wall must leave a hole: t less than half of every outside dimension (D, and B).
void RefuseSolidTube(const JsonField& object, const std::vector<const char*>& keys) {
    const double t = object.Member("t").Number();
    for (const char* key : keys) {
        if (std::string_view(key) == "t") continue;
        if (2.0 * t >= object.Member(key).Number()) {
            object.Member("t").Refuse(std::string("must be less than half of ") + key);
        }
    }
}

CSection UserOtherSection(const JsonField& object, const UnitSystem& units,
                          const ShapeLayout& layout) {
    std::vector<std::string_view> allowed = {"shape", "name", "category"};
    allowed.insert(allowed.end(), layout.required.begin(), layout.required.end());
    allowed.insert(allowed.end(), layout.optional.begin(), layout.optional.end());
    object.RequireObject(allowed);
    std::vector<double> dims;
    for (const char* key : layout.required) dims.push_back(Dimension(object, key, units));
    for (const char* key : layout.optional) dims.push_back(OptionalDimension(object, key, units));
    if (layout.code == SecShape::CHS || layout.code == SecShape::RHS) {
        RefuseSolidTube(object, layout.required);
    }
    if (layout.code == SecShape::RHS) dims.push_back(dims.back());  // record: D, B, tf, tw
    CSection section;
    section.SetShape(layout.code);
    section.SetDimensions(dims);
    std::string name = layout.word;
    for (size_t i = 0; i < layout.required.size(); ++i) {
        name += (i == 0 ? " " : "x") + Millimetres(dims[i]);
    }
    section.SetName(Arbor::FromUtf8(name));
    return section;
}

CSection UserSection(const JsonField& object, const UnitSystem& units, std::string& name) {
    const JsonField shapeField = object.Member("shape");
    const std::string shape = shapeField.String();
    CSection section;
    if (shape == "I") {
        const unsigned category = ReadCategory(object, ResidualStress::HR);
        section = UserISection(object, units, category);
        section.SetCategory(category);
    } else {
        const ShapeLayout* layout = nullptr;
        for (const ShapeLayout& s : OtherShapes()) {
            if (shape == s.word) layout = &s;
        }
        if (!layout) shapeField.Refuse("unknown shape", "expected I, PFC, T, angle, CHS or RHS");
        section = UserOtherSection(object, units, *layout);
        section.SetCategory(ReadCategory(object, layout->defaultCategory));
    }
    if (const auto given = object.Optional("name"))
        section.SetName(Arbor::FromUtf8(given->String()));
    name = Arbor::ToUtf8(section.Name());
    return section;
}

GradeBand::Op BandOp(const JsonField& band) {
    const auto field = band.Optional("op");
    if (!field) return GradeBand::Any;
    const std::string op = field->String();
    if (op == "<") return GradeBand::Less;
    if (op == "<=") return GradeBand::LessEqual;
    if (op == "any" || op.empty()) return GradeBand::Any;
    field->Refuse("unknown thickness bound", "expected \"<\", \"<=\" or \"any\"");
}

GradeBand ReadBand(const JsonField& band, const UnitSystem& units) {
    band.RequireObject({"op", "bound", "fy", "fu"});
    GradeBand out;
    out.op = BandOp(band);
    if (out.op != GradeBand::Any) out.bound = units.Length(band.Member("bound").Positive());
    out.fy = units.Stress(band.Member("fy").Positive());
    out.fu = units.Stress(band.Member("fu").Positive());
    return out;
}

CSteelGrade UserGrade(const JsonField& object, const UnitSystem& units, std::string& name) {
    object.RequireObject({"name", "fy", "fu", "bands", "E", "G"});
    name = object.Has("name") ? object.Member("name").String() : "user grade";
    std::vector<GradeBand> bands;
    if (const auto list = object.Optional("bands")) {
        if (object.Has("fy") || object.Has("fu")) {
            object.Refuse("give either fy and fu or bands, not both");
        }
        const std::size_t count = list->ArraySize();
        if (count == 0) list->Refuse("must hold at least one band");
        for (std::size_t i = 0; i < count; ++i) bands.push_back(ReadBand(list->Element(i), units));
    } else {
        GradeBand band;
        band.fy = units.Stress(object.Member("fy").Positive());
        band.fu = units.Stress(object.Member("fu").Positive());
        bands.push_back(band);
    }
    const auto E = object.Optional("E");
    const auto G = object.Optional("G");
    return CSteelGrade(Arbor::FromUtf8(name), bands, E ? units.Stress(E->Positive()) : 2.0e11,
                       G ? units.Stress(G->Positive()) : 8.0e10);
}

}  // namespace

CSection ReadSection(const JsonField& field, const UnitSystem& units, std::string& name) {
    if (field.Value().is_string()) return CatalogueSection(field, name);
    if (field.Value().is_object()) return UserSection(field, units, name);
    field.Refuse("must be a catalogue designation or a dimension object");
}

void ReadSectionOptions(const JsonField& field, CSection& section) {
    field.RequireObject({"net_area_ratio", "plastic_elastic_ratio"});
    if (const auto ratio = field.Optional("net_area_ratio")) {
        const double value = ratio->Positive();
        if (value > 1.0) ratio->Refuse("must not exceed 1");
        section.SetNetAreaRatio(value);
    }
    if (const auto ratio = field.Optional("plastic_elastic_ratio")) {
        const double value = ratio->Number();
        if (value < 1.0) ratio->Refuse("must be at least 1");
        section.SetPlasticElasticRatio(value);
    }
}

CSteelGrade ReadGrade(const JsonField& field, const UnitSystem& units, std::string& name) {
    if (field.Value().is_object()) return UserGrade(field, units, name);
    const std::string wanted = field.String();
    const auto grade = FindGradeByName(wanted);
    if (!grade) field.Refuse("unknown grade", GradeHint(wanted));
    name = Arbor::ToUtf8(grade->Name());
    return *grade;
}

}  // namespace as4100
