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
        "-1.5e-7"};
    for (const char* text : texts) {
        EXPECT_EQ(ParseJsonDocument(text, "t").dump(), json::parse(text).dump()) << text;
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

TEST(JsonWriting, SameBytesAsNlohmannDump) {
    const double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    const double numbers[] = {0.0, -0.0, 1.0, 0.1, 1e-5, 1.5e-7, 123456.789, 1e15, 1e16, 1e21,
                              -39335.0, 0.9924281247438735, 5e-324, 1.7976931348623157e308};
    const std::string texts[] = {"plain", "", "q\"b\\s/", "tab\tnl\n\x01\x1f",
                                 "caf\xc3\xa9 \xe2\x9c\x93", "bad \xff\xfe utf", "cut \xe2\x9c"};
    // clang-format on
    std::string written;
    JsonWriter w(written);
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
    w.EndArray();
    expected["whole"] = {-7, std::numeric_limits<std::uint64_t>::max(), true, false,
                         nlohmann::ordered_json::object()};
    w.EndObject();
    EXPECT_EQ(written, expected.dump(-1, ' ', false, json::error_handler_t::replace));
}

}  // namespace
}  // namespace as4100
