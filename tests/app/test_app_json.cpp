// The batch's JSON text: the one-pass reader gives the document nlohmann's parser gives, and
// the writer the bytes nlohmann's dump gives, for the awkward values as well as the plain ones.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <string>

#include "app/InputError.h"
#include "app/JsonField.h"
#include "app/JsonWriter.h"

namespace as4100 {
namespace {

using nlohmann::json;

TEST(JsonReading, SameDocumentAsTheFullParser) {
    const char* const texts[] = {
        R"({"a":[1,-2,3.5,-0,-0.0,1e5,1E-5,2.5e+3,0.1,18446744073709551615,18446744073709551616,
            -9223372036854775808,-9223372036854775809,1e-400]})",
        R"({"s":"tab\t \"q\" \\ \/ \b\f\n\r","u":"caf\u00e9 \ud83d\ude00","t":true,"f":false,
            "n":null,"e":{},"l":[],"k":{"z":1,"a":[[],[{}]]}})",
        " \r\n\t{ \"a\" : [ 1 , { } ] } \n",
        "{\"\xc3\xa9\":\"\xe2\x9c\x93\"}",  // multi-byte characters
        "[[[]]]", "\"top\"", "42", "  null  ", "-1.5e-7",
        // the edges of the exact decimal path: 2^53 in the digits, 10^22, 18 digits
        R"([9007199254740992.5,9007199254740993.5,1e22,1e23,1.5e-22,1.5e-23,0.1e-21,
            123456789012345678.5,12345678901234567.5,-0.000123,123.456e-5,1E+2,7e0,
            0.00000000000000000001,999999999999999999,-999999999999999999,
            1000000000000000000,-1000000000000000000,1e308,2.2250738585072011e-308,
            0.30000000000000004,17.102,-39.335])"};
    for (const char* text : texts) {
        const JsonDocument read = ParseJsonDocument(text, "t");
        EXPECT_EQ(read.ToJson(read.Root()).dump(), json::parse(text).dump()) << text;
    }
}

// Whatever the one-pass reader gives up on, the bounded parse refuses as before.
TEST(JsonReading, RefusalsUnchanged) {
    const std::pair<const char*, const char*> cases[] = {
        {"{\"a\":1,\"a\":2}", "t: a: the key \"a\" is given twice"},
        {"[1,2,1e999]", "t: [2]: number beyond the range of a double, got 1e999"},
        {"{\"a\":01}", "t: not valid JSON: parse error at line 1, column 7"},
        {"{\"a\":1,}", "t: not valid JSON: parse error at line 1, column 8"},
        {"{\"a\":tru}", "t: not valid JSON: parse error at line 1, column 9"},
        {"[1] 2", "t: not valid JSON: parse error at line 1, column 5"},
        {"{\"a\":\"\x01\"}", "t: not valid JSON: parse error at line 1, column 7"},
        {"", "t: not valid JSON: parse error at line 1, column 1"}};
    for (const auto& [text, says] : cases) {
        try {
            ParseJsonDocument(text, "t");
            ADD_FAILURE() << text << " accepted";
        } catch (const InputError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(says, 0), 0u) << e.what();
        }
    }
    const std::string deep = std::string(65, '[') + std::string(65, ']');
    EXPECT_THROW(ParseJsonDocument(deep, "t"), InputError);
    EXPECT_NO_THROW(ParseJsonDocument(deep.substr(1, 128), "t"));
}

// Keys are told apart by their first eight characters and their length, then by the rest:
// keys sharing those, keys that are a prefix of another, an escaped key, many members.
TEST(JsonReading, KeysFoundAsNlohmannFindsThem) {
    std::string many = R"({"forces_left":1,"forces_lef":2,"forces_leftx":3,"moments_left":4,)"
                       R"("moments_right":5,"abcdefgh":6,"abcdefghi":7,"":8,"a":9,"x\"y":10,)"
                       R"("lateral_torsional":11,"lateral_torsionak":12)";
    for (int i = 0; i < 40; ++i)
        many += ",\"member_number_" + std::to_string(i) + "\":" + std::to_string(i);
    const std::string texts[] = {many + "}", R"({"a\u0062cdefghij":1,"abcdefghik":2})",
                                 R"({"z":{"abcdefghij":[{"k":1}]}})"};
    // clang-format off
    const std::string probes[] = {"forces_left", "forces_lef", "forces_leftx", "forces_l",
                                  "forces_leftxx", "moments_", "moments_left", "moments_right",
                                  "abcdefg", "abcdefgh", "abcdefghi", "", "a", "b", "x\"y",
                                  "member_number_0", "member_number_39", "member_number_4",
                                  "member_number_40", "abcdefghij", "abcdefghik", "z", "k",
                                  "lateral_torsional", "lateral_torsionak", "lateral_torsionax"};
    // clang-format on
    for (const std::string& text : texts) {
        const JsonDocument read = ParseJsonDocument(text, "t");
        const JsonField root(read, "t");
        const json expected = json::parse(text);
        for (const std::string& key : probes) {
            const auto found = root.Optional(JsonKey(key));
            ASSERT_EQ(found.has_value(), expected.contains(key)) << text << " / " << key;
            if (found) {
                EXPECT_EQ(found->ToJson(), expected.at(key)) << key;
            }
        }
    }
}

// A key given twice is refused however long it is; keys that differ only past their eighth
// character, or by a last character, are two keys.
TEST(JsonReading, DuplicateKeysPastTheHead) {
    const std::pair<const char*, bool> cases[] = {
        {R"({"abcdefghij":1,"abcdefghik":2})", false},
        {R"({"abcdefghij":1,"abcdefghij":2})", true},
        {R"({"abcdefgh":1,"abcdefghi":2,"abcdefg":3})", false},
        {R"({"abcdefgh":1,"x":0,"abcdefgh":2})", true},
        {R"({"moments_left":1,"moments_right":2,"moments_left":3})", true}};
    for (const auto& [text, twice] : cases) {
        try {
            ParseJsonDocument(text, "t");
            EXPECT_FALSE(twice) << text;
        } catch (const InputError& e) {
            EXPECT_TRUE(twice) << text;
            EXPECT_NE(std::string(e.what()).find("is given twice"), std::string::npos);
        }
    }
}

// The allowed keys in any order; an unknown key that shares a head, a prefix or a length with
// an allowed one is refused by name.
TEST(JsonReading, UnknownKeysBesideAllowedOnes) {
    const std::pair<const char*, const char*> cases[] = {
        {R"({"moments_right":1,"forces_left":2,"_note":3,"comment":4})", ""},
        {R"({"forces_lef":1})", "forces_lef"},
        {R"({"forces_leftx":1,"forces_left":2})", "forces_leftx"},
        {R"({"moments_":1})", "moments_"},
        {R"({"forces_right":1,"moments_righ":2})", "moments_righ"}};
    for (const auto& [text, unknown] : cases) {
        const JsonDocument read = ParseJsonDocument(text, "t");
        try {
            JsonField(read, "t").RequireObject(
                {"forces_left", "forces_right", "moments_left", "moments_right"});
            EXPECT_STREQ(unknown, "") << text;
        } catch (const InputError& e) {
            EXPECT_EQ(
                std::string(e.what()).rfind("t: " + std::string(unknown) + ": unknown field", 0),
                0u)
                << e.what();
        }
    }
}

// Writes the document value by value through the writer.
void Write(JsonWriter& w, const nlohmann::ordered_json& doc) {
    using T = json::value_t;
    switch (doc.type()) {
        case T::object:
            w.BeginObject();
            for (const auto& [key, value] : doc.items()) {
                w.Key(key);
                Write(w, value);
            }
            return w.EndObject();
        case T::array:
            w.BeginArray();
            for (const auto& value : doc) Write(w, value);
            return w.EndArray();
        case T::string:
            return w.String(doc.get<std::string>());
        case T::boolean:
            return w.Bool(doc.get<bool>());
        case T::number_integer:
            return w.Integer(doc.get<std::int64_t>());
        case T::number_unsigned:
            return w.Unsigned(doc.get<std::uint64_t>());
        default:
            return w.Number(doc.get<double>());
    }
}

// Numbers at the edges of the shortest round trip and not finite (written as the words "inf",
// "-inf", "nan"), keys and strings to escape (bad and cut UTF-8 replaced as nlohmann does, one
// beyond the writer's piece), integers, nesting and empty containers.
TEST(JsonWriting, SameBytesAsNlohmannDump) {
    const double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    const double numbers[] = {0.0, -0.0, 1.0, 0.1, 1e-5, 1.5e-7, 123456.789, 1e15, 1e16, 1e21,
                              -39335.0, 0.9924281247438735, 5e-324, 1.7976931348623157e308};
    const std::string texts[] = {"plain", "", "q\"b\\s/", "tab\tnl\n\x01\x1f",
                                 "caf\xc3\xa9 \xe2\x9c\x93", "bad \xff\xfe utf", "cut \xe2\x9c",
                                 std::string(120, 'k')};
    // clang-format on
    nlohmann::ordered_json doc = {{"numbers", numbers}};
    for (const std::string& text : texts) doc[text] = text;
    doc["whole"] = {-7,
                    std::numeric_limits<std::uint64_t>::max(),
                    true,
                    false,
                    nlohmann::ordered_json::object(),
                    {nlohmann::ordered_json::array(), {{"n", 2.5}}}};
    doc["empty"] = nlohmann::ordered_json::array();
    nlohmann::ordered_json expected = doc;
    for (const double v : {inf, -inf, std::nan("")}) doc["numbers"].push_back(v);
    for (const char* word : {"inf", "-inf", "nan"}) expected["numbers"].push_back(word);
    // Key and value in one piece: keys of every copy width, the same number texts again and
    // again; indentation beyond one piece of spaces and a string beyond the writer's stage.
    const std::string keys[] = {"a",
                                "abc",
                                "abcd",
                                "abcdefg",
                                "abcdefgh",
                                "sixteen_letters_",
                                std::string(17, 'l'),
                                std::string(32, 'm'),
                                std::string(33, 'n')};
    const auto writeMembers = [&](JsonWriter& w) {
        w.BeginObject();
        for (const std::string& key : keys) {
            const double number = key.size() % 2 ? -0.1 : 0.1;
            w.NumberMember(key + "#", number);
            w.StringMember(key + "$", key);
            w.IntegerMember(key + "i", -3);
            w.UnsignedMember(key + "u", 7);
            w.BoolMember(key + "t", true);
            w.BoolMember(key + "f", false);
        }
        w.Key("deep");
        for (int level = 0; level < 20; ++level) w.BeginArray();
        w.String(std::string(1100, 'x'));
        for (int level = 0; level < 20; ++level) w.EndArray();
        w.NumberMember("not finite", -inf);
        w.StringMember("escaped", texts[3]);
        w.StringMember("long", texts[7]);
        w.EndObject();
    };
    nlohmann::ordered_json members = nlohmann::ordered_json::object();
    for (const std::string& key : keys) {
        members[key + "#"] = key.size() % 2 ? -0.1 : 0.1;
        members[key + "$"] = key;
        members[key + "i"] = -3;
        members[key + "u"] = 7u;
        members[key + "t"] = true;
        members[key + "f"] = false;
    }
    nlohmann::ordered_json deep = std::string(1100, 'x');
    for (int level = 0; level < 20; ++level) deep = nlohmann::ordered_json::array({deep});
    members["deep"] = deep;
    members["not finite"] = "-inf";
    members["escaped"] = texts[3];
    members["long"] = texts[7];
    for (const int indent : {-1, 0, 2, 4}) {
        std::string written;
        JsonWriter compact(written);
        JsonWriter indented(written, JsonWriter::Indent{indent});
        Write(indent < 0 ? compact : indented, doc);
        EXPECT_EQ(written, expected.dump(indent, ' ', false, json::error_handler_t::replace))
            << "indent " << indent;
    }
    for (const int indent : {-1, 0, 2, 4}) {
        std::string written;
        JsonWriter compact(written);
        JsonWriter indented(written, JsonWriter::Indent{indent});
        writeMembers(indent < 0 ? compact : indented);
        EXPECT_EQ(written, members.dump(indent, ' ', false, json::error_handler_t::replace))
            << "members, indent " << indent;
    }
}

// The quick number text against nlohmann's to_chars (Grisu2) over families of doubles: any
// difference fails; each family must also mostly take the quick path where it can.
TEST(JsonWriting, QuickNumbersAreGrisu2s) {
    static_assert(std::numeric_limits<long double>::digits >= 54, "midpoints need 54 bits");
    std::mt19937_64 random(20240601);
    const auto decimal = [&](int digits, int lowScale, int scales) {
        const auto mantissa = static_cast<long long>(
            random() % 100000000000000000ull % static_cast<std::uint64_t>(std::pow(10, digits)));
        const int scale = lowScale + static_cast<int>(random() % static_cast<unsigned>(scales));
        return std::strtod((std::to_string(mantissa) + "e" + std::to_string(scale)).c_str(),
                           nullptr);
    };
    const auto bits = [&](int lowExponent, int exponents) {
        const std::uint64_t biased =
            1023 + lowExponent + random() % static_cast<unsigned>(exponents);
        const std::uint64_t pattern = (random() & ((std::uint64_t{1} << 52) - 1)) | biased << 52;
        double value;
        std::memcpy(&value, &pattern, sizeof value);
        return value;
    };
    const auto beside = [&](double value) {  // the value or a neighbour
        const auto pick = random() % 3;
        return pick == 0 ? value : std::nextafter(value, pick == 1 ? 0.0 : 1e300);
    };
    // A double beside a 15- to 17-digit decimal close to the edge of its rounding interval.
    const auto nearEdge = [&] {
        const double value = bits(-9, 59);
        const long double middle =
            (static_cast<long double>(value) + std::nextafter(value, 1e300)) / 2;
        char text[48];
        std::snprintf(text, sizeof text, "%.*Le", 14 + static_cast<int>(random() % 3), middle);
        return beside(std::strtod(text, nullptr));
    };
    const double fixed[] = {17.4636279794, 0.0, -0.0, 0x1p-9, 1e15, 999999999999999.9, 0.1, 1.0};
    const struct {
        const char* family;
        std::function<double()> next;
        int count;
        double quickShare;  // the least share written without Grisu2
    } families[] = {
        {"short decimals",
         [&] {
             const int digits = 1 + static_cast<int>(random() % 6);  // within 2^-9 .. 1e15
             return decimal(digits, -1 - digits, 16);
         },
         200000, 0.97},
        {"results", [&] { return decimal(15 + random() % 3, -18, 18); }, 200000, 0.85},
        {"bits in range", [&] { return bits(-9, 59); }, 200000, 0.9},
        {"bits around", [&] { return bits(-14, 70) * (random() % 2 ? 1 : -1); }, 200000, 0.5},
        {"integers", [&] { return beside(double(random() % 3000000)); }, 100000, 0.9},
        {"powers of two", [&] { return beside(std::ldexp(1.0, int(random() % 70) - 12)); }, 2000,
         0.5},
        {"near edges", nearEdge, 200000, 0.5},
        {"fixed", [&, i = 0]() mutable { return fixed[i++ % 8]; }, 8, 0.7},
    };
    for (const auto& row : families) {
        int quick = 0;
        for (int i = 0; i < row.count; ++i) {
            const double value = row.next();
            char expected[64], written[64];
            const char* expectedEnd = nlohmann::detail::to_chars(expected, expected + 64, value);
            const char* writtenEnd = QuickNumberText(written, value);
            if (writtenEnd == nullptr) continue;
            ++quick;
            ASSERT_EQ(std::string_view(written, static_cast<std::size_t>(writtenEnd - written)),
                      std::string_view(expected, static_cast<std::size_t>(expectedEnd - expected)))
                << row.family << ": " << std::hexfloat << value;
        }
        EXPECT_GE(quick, row.quickShare * row.count) << row.family;
    }
}

}  // namespace
}  // namespace as4100
