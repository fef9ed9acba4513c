#include "registry_file.h"

#include <algorithm>

namespace velmora::platform {
namespace {

constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";
constexpr std::string_view kHeader4 = "REGEDIT4";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";

struct RootName {
    RegistryRoot root;
    const char* name;
};

constexpr RootName kRootNames[] = {
    {kHkeyClassesRoot, "HKEY_CLASSES_ROOT"}, {kHkeyCurrentUser, "HKEY_CURRENT_USER"},
    {kHkeyLocalMachine, "HKEY_LOCAL_MACHINE"}, {kHkeyUsers, "HKEY_USERS"},
    {kHkeyCurrentConfig, "HKEY_CURRENT_CONFIG"},
};

// A fault at a line; the parse stops at the first one.
struct Malformed {
    int line;
    std::string reason;
};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// UTF-16LE (after its byte-order mark) to UTF-8; unpaired surrogates and an
// odd byte count are faults of line 1, as nothing of the text can be trusted.
std::string Utf16LeToUtf8(std::string_view bytes) {
    if (bytes.size() % 2 != 0) throw Malformed{1, "UTF-16 text with an odd number of bytes"};
    std::string out;
    const auto unit = [&](std::size_t i) {
        return static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                     static_cast<unsigned char>(bytes[i + 1]) << 8);
    };
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const char16_t first = unit(i);
        if (first >= 0xD800 && first <= 0xDBFF && i + 3 < bytes.size()) {
            const char16_t second = unit(i + 2);
            if (second >= 0xDC00 && second <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((char32_t{first} - 0xD800) << 10) + (char32_t{second} - 0xDC00));
                i += 2;
                continue;
            }
        }
        if (first >= 0xD800 && first <= 0xDFFF) throw Malformed{1, "unpaired UTF-16 surrogate"};
        AppendUtf8(out, first);
    }
    return out;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// 1 to maxDigits hex digits, the whole of text.
std::optional<std::uint32_t> ParseHex(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return value;
}

// A quoted string with the escapes \\ and \" at the start of text; returns
// its contents and leaves text after the closing quote.
std::string ParseQuoted(std::string_view& text, int line) {
    if (text.empty() || text.front() != '"') throw Malformed{line, "expected a quoted string"};
    std::string out;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            text.remove_prefix(i + 1);
            return out;
        }
        if (c == '\\') {
            if (i + 1 >= text.size() || (text[i + 1] != '\\' && text[i + 1] != '"'))
                throw Malformed{line, "unknown escape in a quoted string (only \\\\ and \\\" are known)"};
            out += text[++i];
        } else {
            out += c;
        }
    }
    throw Malformed{line, "quoted string without its closing quote"};
}

std::vector<unsigned char> ParseHexBytes(std::string_view list, int line) {
    std::vector<unsigned char> bytes;
    list = TrimBlanks(list);
    if (list.empty()) return bytes;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        const std::string_view item = TrimBlanks(list.substr(start, comma == std::string_view::npos ? comma : comma - start));
        const auto byte = ParseHex(item, 2);
        if (!byte) throw Malformed{line, "expected hex bytes such as 0a,ff"};
        bytes.push_back(static_cast<unsigned char>(*byte));
        if (comma == std::string_view::npos) return bytes;
        start = comma + 1;
    }
}

// The data after "name=": "text", dword:..., hex:..., hex(N):...
RegistryValue ParseData(std::string_view data, int line) {
    data = TrimBlanks(data);
    if (!data.empty() && data.front() == '"') {
        std::string text = ParseQuoted(data, line);
        if (!TrimBlanks(data).empty()) throw Malformed{line, "text after a quoted value"};
        RegistryValue value{kRegSz, std::vector<unsigned char>(text.begin(), text.end())};
        value.data.push_back(0);  // stored with its terminating NUL
        return value;
    }
    if (StartsWith(data, "dword:")) {
        const auto number = ParseHex(TrimBlanks(data.substr(6)), 8);
        if (!number) throw Malformed{line, "expected dword: and 1 to 8 hex digits"};
        return RegistryValue{kRegDword,
                             {static_cast<unsigned char>(*number), static_cast<unsigned char>(*number >> 8),
                              static_cast<unsigned char>(*number >> 16), static_cast<unsigned char>(*number >> 24)}};
    }
    if (StartsWith(data, "hex:")) return RegistryValue{kRegBinary, ParseHexBytes(data.substr(4), line)};
    if (StartsWith(data, "hex(")) {
        const std::size_t close = data.find("):");
        const auto type = close == std::string_view::npos ? std::nullopt : ParseHex(data.substr(4, close - 4), 8);
        if (!type) throw Malformed{line, "expected hex(N): with a hex type number"};
        return RegistryValue{*type, ParseHexBytes(data.substr(close + 2), line)};
    }
    throw Malformed{line, "expected a quoted text, dword: or hex data"};
}

class Parser {
public:
    explicit Parser(std::vector<std::string_view> lines) : lines_(std::move(lines)) {}

    RegistryContents Parse() {
        const std::string_view header = TrimBlanks(lines_.empty() ? std::string_view() : lines_[0]);
        if (header != kHeader5 && header != kHeader4)
            throw Malformed{1, "the first line must be \"Windows Registry Editor Version 5.00\" or \"REGEDIT4\""};
        for (index_ = 1; index_ < lines_.size(); ++index_) ParseLine();
        return std::move(contents_);
    }

private:
    int LineNumber() const { return static_cast<int>(index_) + 1; }

    void ParseLine() {
        const std::string_view line = TrimBlanks(lines_[index_]);
        if (line.empty() || line.front() == ';') return;
        if (line.front() == '[') return ParseSection(line);
        ParseValue(line);
    }

    void ParseSection(std::string_view line) {
        if (line.back() != ']') throw Malformed{LineNumber(), "key line without its closing ]"};
        const std::string_view path = line.substr(1, line.size() - 2);
        if (StartsWith(path, "-")) throw Malformed{LineNumber(), "a key deletion is not registry contents"};
        const std::string folded = RegistryFold(path);
        const bool knownRoot = std::any_of(std::begin(kRootNames), std::end(kRootNames), [&](const RootName& r) {
            const std::string_view name = r.name;
            return folded == name || (StartsWith(folded, name) && folded[name.size()] == '\\');
        });
        if (!knownRoot) throw Malformed{LineNumber(), "key outside the predefined roots such as HKEY_LOCAL_MACHINE"};
        key_ = &contents_[folded];
    }

    void ParseValue(std::string_view line) {
        const int start = LineNumber();
        if (key_ == nullptr) throw Malformed{start, "value before the first [key] line"};
        std::string name;
        std::string_view rest = line;
        if (rest.front() == '@') {
            rest.remove_prefix(1);
        } else {
            name = ParseQuoted(rest, start);
        }
        rest = TrimBlanks(rest);
        if (rest.empty() || rest.front() != '=') throw Malformed{start, "expected = after the value name"};
        rest.remove_prefix(1);
        std::string data(TrimBlanks(rest));
        // Hex data may go on over lines that end in a backslash.
        while (StartsWith(data, "hex") && !data.empty() && data.back() == '\\') {
            data.pop_back();
            if (++index_ >= lines_.size()) throw Malformed{start, "continued hex data at the end of the file"};
            data += TrimBlanks(lines_[index_]);
        }
        (*key_)[RegistryFold(name)] = ParseData(data, start);
    }

    std::vector<std::string_view> lines_;
    std::size_t index_ = 0;
    RegistryContents contents_;
    RegistryValues* key_ = nullptr;
};

}  // namespace

std::string RegistryFold(std::string_view text) {
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; });
    return folded;
}

const char* RegistryRootName(RegistryRoot root) {
    for (const RootName& r : kRootNames)
        if (r.root == root) return r.name;
    return nullptr;
}

RegistryFileParse ParseRegistryFile(std::string_view bytes) {
    try {
        std::string text;
        if (StartsWith(bytes, kUtf16LeBom)) text = Utf16LeToUtf8(bytes.substr(kUtf16LeBom.size()));
        else if (StartsWith(bytes, kUtf8Bom)) text = std::string(bytes.substr(kUtf8Bom.size()));
        else text = std::string(bytes);
        return RegistryFileParse{Parser(SplitLines(text)).Parse(), std::nullopt};
    } catch (const Malformed& fault) {
        return RegistryFileParse{{}, RegistryFileError{fault.line, fault.reason}};
    }
}

}  // namespace velmora::platform
