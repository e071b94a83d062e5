#include "report/county_list.h"

#include <filesystem>
#include <fstream>
#include <optional>

#include "shared/side_files.h"

namespace vado::report {

namespace {

constexpr size_t kFieldsPerRecord = 8;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The fields of one line, or nothing when the line is not well formed: a quote left open, or
// text after a closing quote other than blanks before the next comma.
std::optional<std::vector<std::string>> SplitFields(std::string_view line) {
    std::vector<std::string> fields;
    size_t i = 0;
    for (;;) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        std::string field;
        if (i < line.size() && line[i] == '"') {
            ++i;
            for (;;) {
                if (i >= line.size()) return std::nullopt;
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
            while (i < line.size() && IsBlank(line[i])) ++i;
            if (i < line.size() && line[i] != ',') return std::nullopt;
        } else {
            size_t end = line.find(',', i);
            if (end == std::string_view::npos) end = line.size();
            std::string_view raw = line.substr(i, end - i);
            while (!raw.empty() && IsBlank(raw.back())) raw.remove_suffix(1);
            if (raw.find('"') != std::string_view::npos) return std::nullopt;
            field = std::string(raw);
            i = end;
        }
        fields.push_back(std::move(field));
        if (i >= line.size()) return fields;
        ++i;  // the comma
    }
}

// Bytes in the UTF-8 sequence a byte starts; 0 for a byte that cannot start one.
size_t SequenceLength(unsigned char c) {
    if (c < 0x80) return 1;
    if (c < 0xC0) return 0;
    if (c < 0xE0) return 2;
    if (c < 0xF0) return 3;
    if (c < 0xF8) return 4;
    return 0;
}

bool IsValidUtf8(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        size_t n = SequenceLength(static_cast<unsigned char>(s[i]));
        if (n == 0 || s.size() - i < n) return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

// A file that is not UTF-8 is taken as Latin-1, the usual encoding of older county tables.
std::string ToUtf8(std::string_view s) {
    if (IsValidUtf8(s)) return std::string(s);
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    for (char ch : s) {
        auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace

std::vector<std::string> ParseCountyList(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<std::string> names;
    size_t start = 0;
    while (start < text.size() && names.size() < kCountyListMaxEntries) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        auto fields = SplitFields(line);
        if (!fields || fields->size() != kFieldsPerRecord || fields->front().empty()) continue;
        names.push_back(ToUtf8(fields->front()));
    }
    return names;
}

std::vector<std::string> LoadCountyList(const std::string& appFolder) {
    const std::optional<std::string> found = FindSideFile(kCountyFile, appFolder);
    if (!found) return {};
    const std::filesystem::path path = *found;
    std::error_code ec;
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    auto size = std::filesystem::file_size(path, ec);
    if (ec) return {};
    bool cut = size > kCountyFileMaxBytes;
    std::string text(cut ? kCountyFileMaxBytes : static_cast<size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(in.gcount()));
    // A file cut at the limit ends in a partial line; it must not become a county.
    if (cut) {
        size_t lastBreak = text.rfind('\n');
        text.resize(lastBreak == std::string::npos ? 0 : lastBreak + 1);
    }
    return ParseCountyList(text);
}

}  // namespace vado::report
