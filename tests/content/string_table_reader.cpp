#include "string_table_reader.h"

#include <cctype>
#include <cstdio>

namespace {

std::string trim(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && std::isspace(static_cast<unsigned char>(s[a])))
        ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1])))
        --b;
    return s.substr(a, b - a);
}

// Decodes one quoted literal starting at text[at] == '"'; false if unterminated.
bool decodeLiteral(const std::string& text, size_t at, std::string& out, size_t& end) {
    out.clear();
    for (size_t i = at + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            if (i + 1 < text.size() && text[i + 1] == '"') {
                out += '"';
                ++i;
                continue;
            }
            end = i + 1;
            return true;
        }
        if (c == '\\' && i + 1 < text.size()) {
            const char e = text[++i];
            switch (e) {
                case 'r': out += '\r'; break;
                case 'n': out += '\n'; break;
                case 't': out += '\t'; break;
                case '\\': out += '\\'; break;
                case '"': out += '"'; break;
                default:
                    out += '\\';
                    out += e;
                    break;
            }
            continue;
        }
        out += c;
    }
    return false;
}

}  // namespace

StringTableRead readStringTable(const std::string& path) {
    StringTableRead result;
    const std::string bytes = readWholeFile(path, &result.opened);
    if (!result.opened)
        return result;
    bool inTable = false, inBlock = false;
    size_t lineStart = 0;
    while (lineStart < bytes.size()) {
        size_t lineEnd = bytes.find('\n', lineStart);
        if (lineEnd == std::string::npos)
            lineEnd = bytes.size();
        const std::string line = trim(bytes.substr(lineStart, lineEnd - lineStart));
        lineStart = lineEnd + 1;
        if (line.empty() || line.rfind("//", 0) == 0)
            continue;
        if (line == "STRINGTABLE" || line.rfind("STRINGTABLE ", 0) == 0) {
            inTable = true;
            continue;
        }
        if (inTable && !inBlock && (line == "BEGIN" || line == "{")) {
            inBlock = true;
            continue;
        }
        if (inBlock && (line == "END" || line == "}")) {
            inBlock = inTable = false;
            continue;
        }
        if (!inBlock)
            continue;
        size_t digits = 0;
        while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits])))
            ++digits;
        const size_t quote = line.find('"', digits);
        std::string text;
        size_t end = 0;
        if (digits == 0 || quote == std::string::npos || !decodeLiteral(line, quote, text, end) ||
            !trim(line.substr(end)).empty()) {
            ++result.malformedLines;
            continue;
        }
        const int id = std::stoi(line.substr(0, digits));
        if (result.strings.count(id))
            ++result.duplicateIds;
        result.strings[id] = text;
    }
    return result;
}
