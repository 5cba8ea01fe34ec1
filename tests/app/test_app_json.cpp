// The batch's JSON text: the one-pass reader gives the document nlohmann's parser gives, and
// the writer the bytes nlohmann's dump gives, for the awkward values as well as the plain ones.
#include <gtest/gtest.h>

#include <limits>
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
        "[[[]]]",
        "\"top\"",
        "42",
        "  null  ",
        "-1.5e-7",
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

// One document written through `w`, and the same document built by nlohmann.
nlohmann::ordered_json WriteAwkwardDocument(JsonWriter& w) {
    const double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    const double numbers[] = {0.0, -0.0, 1.0, 0.1, 1e-5, 1.5e-7, 123456.789, 1e15, 1e16, 1e21,
                              -39335.0, 0.9924281247438735, 5e-324, 1.7976931348623157e308};
    const std::string texts[] = {"plain", "", "q\"b\\s/", "tab\tnl\n\x01\x1f",
                                 "caf\xc3\xa9 \xe2\x9c\x93", "bad \xff\xfe utf", "cut \xe2\x9c",
                                 std::string(120, 'k')};  // beyond the writer's piece
    // clang-format on
    nlohmann::ordered_json expected = nlohmann::ordered_json::object();
    w.BeginObject();
    w.Key("numbers");
    w.BeginArray();
    for (const double v : numbers) w.Number(v);
    w.Number(inf);
    w.Number(-inf);
    w.Number(std::nan(""));
    w.EndArray();
    expected["numbers"] = numbers;
    for (const char* word : {"inf", "-inf", "nan"}) expected["numbers"].push_back(word);
    for (const std::string& text : texts) {
        w.Key(text);
        w.String(text);
        expected[text] = text;
    }
    w.Key("whole");
    w.BeginArray();
    w.Integer(-7);
    w.Unsigned(std::numeric_limits<std::uint64_t>::max());
    w.Bool(true);
    w.Bool(false);
    w.BeginObject();
    w.EndObject();
    w.BeginArray();
    w.BeginArray();
    w.EndArray();
    w.BeginObject();
    w.Key("n");
    w.Number(2.5);
    w.EndObject();
    w.EndArray();
    w.EndArray();
    expected["whole"] = {-7,
                         std::numeric_limits<std::uint64_t>::max(),
                         true,
                         false,
                         nlohmann::ordered_json::object(),
                         {nlohmann::ordered_json::array(), {{"n", 2.5}}}};
    w.Key("empty");
    w.BeginArray();
    w.EndArray();
    expected["empty"] = nlohmann::ordered_json::array();
    w.EndObject();
    return expected;
}

TEST(JsonWriting, SameBytesAsNlohmannDump) {
    for (const int indent : {-1, 0, 2, 4}) {
        std::string written;
        JsonWriter compact(written);
        JsonWriter indented(written, JsonWriter::Indent{indent});
        const nlohmann::ordered_json expected =
            WriteAwkwardDocument(indent < 0 ? compact : indented);
        EXPECT_EQ(written, expected.dump(indent, ' ', false, json::error_handler_t::replace))
            << "indent " << indent;
    }
}

}  // namespace
}  // namespace as4100
