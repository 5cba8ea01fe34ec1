#include "app/SectionInput.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>

#include "app/GradeNames.h"
#include "app/ReportRender.h"
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
    return units.Length(object.Member(JsonKey(key)).Positive());
}

double OptionalDimension(const JsonField& object, const char* key, const UnitSystem& units) {
    const auto field = object.Optional(JsonKey(key));
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

// An angle's legs must be longer than their thickness, and the root and toe radii must fit
// (a toe radius beyond the thickness rounds the whole toe end).
void CheckAngleFits(const JsonField& object, const std::vector<double>& dims) {
    const double d = dims[0], b = dims[1], t = dims[2], r1 = dims[3], r2 = dims[4];
    if (d <= t) object.Member("d").Refuse("must be longer than the thickness t");
    if (b <= t) object.Member("b").Refuse("must be longer than the thickness t");
    if (t + r1 + std::min(r2, t) > std::min(d, b)) {
        (object.Has("r1") ? object.Member("r1") : object.Member("r2"))
            .Refuse("root and toe radii do not fit on the shorter leg");
    }
}

// A tube's wall must leave a hole: t less than half of every outside dimension (D, and B).
void RefuseSolidTube(const JsonField& object, const std::vector<const char*>& keys) {
    const double t = object.Member("t").Number();
    for (const char* key : keys) {
        if (std::string_view(key) == "t") continue;
        if (2.0 * t >= object.Member(JsonKey(key)).Number()) {
            object.Member("t").Refuse(std::string("must be less than half of ") + key);
        }
    }
}

CSection UserOtherSection(const JsonField& object, const UnitSystem& units,
                          const ShapeLayout& layout) {
    std::vector<JsonKey> allowed = {"shape", "name", "category"};
    for (const char* key : layout.required) allowed.emplace_back(key);
    for (const char* key : layout.optional) allowed.emplace_back(key);
    object.RequireObject(allowed);
    std::vector<double> dims;
    for (const char* key : layout.required) dims.push_back(Dimension(object, key, units));
    for (const char* key : layout.optional) dims.push_back(OptionalDimension(object, key, units));
    if (layout.code == SecShape::CHS || layout.code == SecShape::RHS) {
        RefuseSolidTube(object, layout.required);
    }
    if (layout.code == SecShape::RHS) dims.push_back(dims.back());     // record: D, B, tf, tw
    if (layout.code == SecShape::PFC || layout.code == SecShape::T) {  // D, B, T, tw
        const bool channel = layout.code == SecShape::PFC;
        if ((channel ? 2.0 : 1.0) * dims[2] >= dims[0])
            object.Member("D").Refuse(channel ? "must be greater than the two flange thicknesses"
                                              : "must be greater than the flange thickness");
        if (dims[3] >= dims[1]) object.Member("tw").Refuse("must be less than the flange width");
    }
    if (layout.code == SecShape::Angle) CheckAngleFits(object, dims);
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

// A T section cut from a catalogue I section through the middle of its web: half the depth,
// the same flange, web and root radius.
CSection CutTee(const JsonField& object) {
    object.RequireObject({"shape", "name", "cut_from"});
    const JsonField from = object.Member("cut_from");
    std::string parent;
    const CSection source = CatalogueSection(from, parent);
    const std::vector<double>& d = source.Dimensions();
    if (source.Shape() != SecShape::I || d.size() != 7) from.Refuse("is not a rolled I section");
    CSection section;
    section.SetShape(SecShape::T);
    section.SetDimensions({d[0] / 2.0, d[1], d[2], d[5], d[6]});
    section.SetCategory(source.Category());
    section.SetName(Arbor::FromUtf8("T cut from " + parent));
    return section;
}

CSection UserSection(const JsonField& object, const UnitSystem& units, std::string& name) {
    const JsonField shapeField = object.Member("shape");
    const std::string shape = shapeField.String();
    CSection section;
    if (shape == "T" && object.Has("cut_from")) {
        section = CutTee(object);
    } else if (shape == "I") {
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
    name = Arbor::ToUtf8(section.Name());
    if (const auto given = object.Optional("name")) {
        name = given->String();
        section.SetName(Arbor::FromUtf8(MarkupSafeText(name)));
    }
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
    if (out.fy > out.fu) band.Member("fy").Refuse("must not exceed fu");
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
        if (band.fy > band.fu) object.Member("fy").Refuse("must not exceed fu");
        bands.push_back(band);
    }
    const auto EField = object.Optional("E");
    const auto GField = object.Optional("G");
    const double E = EField ? units.Stress(EField->Positive()) : 2.0e11;
    const double G = GField ? units.Stress(GField->Positive()) : 8.0e10;
    // G = E / 2(1 + ν) is below E for any real material: a larger G is a slip of the pen.
    if (G > E) (GField ? *GField : *EField).Refuse("G must not exceed E");
    return CSteelGrade(Arbor::FromUtf8(MarkupSafeText(name)), bands, E, G);
}

}  // namespace

CSection ReadSection(const JsonField& field, const UnitSystem& units, std::string& name) {
    if (field.IsString()) return CatalogueSection(field, name);
    if (field.IsObject()) return UserSection(field, units, name);
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
    if (field.IsObject()) return UserGrade(field, units, name);
    const std::string wanted = field.String();
    auto grade = FindGradeByName(wanted);
    if (!grade) field.Refuse("unknown grade", GradeHint(wanted));
    name = Arbor::ToUtf8(grade->Name());
    return std::move(*grade);
}

}  // namespace as4100
