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
    for (const int indent : {-1, 0, 2, 4}) {
        std::string written;
        JsonWriter compact(written);
        JsonWriter indented(written, JsonWriter::Indent{indent});
        Write(indent < 0 ? compact : indented, doc);
        EXPECT_EQ(written, expected.dump(indent, ' ', false, json::error_handler_t::replace))
            << "indent " << indent;
    }
}

}  // namespace
}  // namespace as4100
