// The registry file parser: well-formed files and what they hold, malformed
// ones and the line each fault is reported at.
#include "registry_file.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

using platform::ParseRegistryFile;
using platform::RegistryValue;

constexpr const char* kKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\V";

std::vector<unsigned char> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

// Latin-1 text as UTF-16LE with its byte-order mark.
std::string Utf16Le(std::string_view latin1) {
    std::string out = "\xFF\xFE";
    for (char c : latin1) {
        out += c;
        out += '\0';
    }
    return out;
}

struct WellFormed {
    const char* name;
    std::string file;
    std::string valueName;  // as looked up (any case)
    RegistryValue expected;
};

std::ostream& operator<<(std::ostream& out, const WellFormed& c) { return out << c.name; }

const std::string kHead = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\V]\r\n";

const WellFormed kWellFormed[] = {
    {"text keeps its NUL", kHead + "\"A\"=\"C:\\\\Tools\\\\x.exe\"\r\n", "A", {1, Bytes(std::string("C:\\Tools\\x.exe\0", 15))}},
    {"escaped quote", kHead + "\"A\"=\"say \\\"hi\\\"\"\r\n", "A", {1, Bytes(std::string("say \"hi\"\0", 9))}},
    {"escaped name", kHead + "\"a \\\"b\\\" \\\\c\"=\"x\"\r\n", "A \"B\" \\C", {1, Bytes(std::string("x\0", 2))}},
    {"empty text", kHead + "\"A\"=\"\"\r\n", "A", {1, Bytes(std::string("\0", 1))}},
    {"dword least significant byte first", kHead + "\"A\"=dword:0000000a\r\n", "A", {4, {0x0a, 0, 0, 0}}},
    {"dword upper-case hex", kHead + "\"A\"=dword:FFFFFFFE\r\n", "A", {4, {0xfe, 0xff, 0xff, 0xff}}},
    {"hex is binary", kHead + "\"A\"=hex:01,ff,7F\r\n", "A", {3, {0x01, 0xff, 0x7f}}},
    {"hex(N) any type", kHead + "\"A\"=hex(2):41,00\r\n", "A", {2, {0x41, 0x00}}},
    {"hex(1) without NUL", kHead + "\"A\"=hex(1):41,42\r\n", "A", {1, {0x41, 0x42}}},
    {"hex(1) empty", kHead + "\"A\"=hex(1):\r\n", "A", {1, {}}},
    {"hex continued over lines", kHead + "\"A\"=hex:01,02,\\\r\n  03,\\\n  04\r\n", "A", {3, {1, 2, 3, 4}}},
    {"LF line ends", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\V]\n\"A\"=\"x\"\n", "A", {1, Bytes(std::string("x\0", 2))}},
    {"default value", kHead + "@=\"d\"\r\n", "", {1, Bytes(std::string("d\0", 2))}},
    {"names and keys ignore case", "REGEDIT4\n[hkey_local_machine\\software\\v]\n\"Path\"=\"x\"\n", "PATH",
     {1, Bytes(std::string("x\0", 2))}},
    {"later value wins", kHead + "\"A\"=\"1\"\r\n\"a\"=\"2\"\r\n", "A", {1, Bytes(std::string("2\0", 2))}},
    {"comments and blank lines", kHead + "; a note\r\n\r\n   \r\n\"A\"=\"x\"\r\n", "A", {1, Bytes(std::string("x\0", 2))}},
    {"UTF-8 byte-order mark", "\xEF\xBB\xBF" + kHead + "\"A\"=\"x\"\r\n", "A", {1, Bytes(std::string("x\0", 2))}},
    {"UTF-16LE as regedit writes it",
     Utf16Le("REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\V]\n\"A\"=\"\xE9\"\n"),
     "A", {1, Bytes(std::string("\xC3\xA9\0", 3))}},
};

class WellFormedFileTest : public ::testing::TestWithParam<WellFormed> {};

TEST_P(WellFormedFileTest, HoldsTheValue) {
    const WellFormed& c = GetParam();
    const auto parse = ParseRegistryFile(c.file);
    ASSERT_FALSE(parse.error) << parse.error->line << ": " << parse.error->reason;
    const auto key = parse.contents.find(kKey);
    ASSERT_NE(key, parse.contents.end());
    const auto value = key->second.find(platform::RegistryFold(c.valueName));
    ASSERT_NE(value, key->second.end());
    EXPECT_EQ(value->second.type, c.expected.type);
    EXPECT_EQ(value->second.data, c.expected.data);
}

INSTANTIATE_TEST_SUITE_P(Files, WellFormedFileTest, ::testing::ValuesIn(kWellFormed));

struct Malformed {
    const char* name;
    std::string file;
    int line;
};

std::ostream& operator<<(std::ostream& out, const Malformed& c) { return out << c.name; }

const Malformed kMalformed[] = {
    {"empty file", "", 1},
    {"no header", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\V]\n\"A\"=\"x\"\n", 1},
    {"other header", "Windows Registry Editor Version 4.00\n", 1},
    {"value before any key", "REGEDIT4\n\"A\"=\"x\"\n", 2},
    {"unknown root", "REGEDIT4\n[HKEY_NOWHERE\\X]\n", 2},
    {"key without ]", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\X\n", 2},
    {"key deletion", "REGEDIT4\n[-HKEY_LOCAL_MACHINE\\X]\n", 2},
    {"value deletion", kHead + "\"A\"=-\r\n", 4},
    {"unclosed text", kHead + "\"A\"=\"x\r\n", 4},
    {"text after the text", kHead + "\"A\"=\"x\" y\r\n", 4},
    {"unknown escape", kHead + "\"A\"=\"a\\tb\"\r\n", 4},
    {"unquoted name", kHead + "A=\"x\"\r\n", 4},
    {"no =", kHead + "\"A\" \"x\"\r\n", 4},
    {"dword too long", kHead + "\"A\"=dword:000000001\r\n", 4},
    {"dword not hex", kHead + "\"A\"=dword:0000000g\r\n", 4},
    {"hex byte too long", kHead + "\"A\"=hex:001\r\n", 4},
    {"hex trailing comma", kHead + "\"A\"=hex:01,\r\n", 4},
    {"hex(N) without type", kHead + "\"A\"=hex():01\r\n", 4},
    {"continued past the end", kHead + "\"A\"=hex:01,\\\r\n", 4},
    {"fault after good lines", kHead + "\"A\"=\"x\"\r\n\"B\"=\"y\"\r\n\"C\"=junk\r\n", 6},
    {"odd UTF-16", "\xFF\xFE" "R", 1},
};

class MalformedFileTest : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedFileTest, IsEmptyWithTheLine) {
    const Malformed& c = GetParam();
    const auto parse = ParseRegistryFile(c.file);
    ASSERT_TRUE(parse.error);
    EXPECT_EQ(parse.error->line, c.line) << parse.error->reason;
    EXPECT_FALSE(parse.error->reason.empty());
    EXPECT_TRUE(parse.contents.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, MalformedFileTest, ::testing::ValuesIn(kMalformed));

}  // namespace
}  // namespace velmora::test
