#include "TStringTables.h"

#include <cstdint>
#include <fstream>
#include <regex>

// TAVELIN_SOURCE_DIR, the project folder, is defined for this file alone: the compiler cache
// then finds the other tests' objects again in a clone elsewhere.
TStringTables::TStringTables() {
    const std::filesystem::path source(TAVELIN_SOURCE_DIR);
    std::map<std::string, int> ids;
    std::ifstream header(source / "core" / "TextIds.h");
    const std::regex define(R"(^#define (IDS_\w+) (\d+)\s*$)");
    for (std::string line; std::getline(header, line);) {
        std::smatch match;
        if (std::regex_match(line, match, define)) {
            ids[match[1]] = std::stoi(match[2]);
            names[std::stoi(match[2])] = match[1];
        }
    }
    for (const auto& entry : std::filesystem::directory_iterator(source / "resources" / "lang")) {
        if (entry.path().extension() == ".rc") {
            tables[entry.path().stem().string()] = ReadTable(entry.path(), ids);
        }
    }
}

TStringTables::TTable TStringTables::ReadTable(const std::filesystem::path& file,
                                              const std::map<std::string, int>& ids) {
    TTable table;
    std::ifstream in(file, std::ios::binary);
    const std::regex entry(R"re(^\s*(IDS_\w+)\s+"(.*)"\s*\r?$)re");
    for (std::string line; std::getline(in, line);) {
        std::smatch match;
        if (!std::regex_match(line, match, entry)) {
            continue;
        }
        const auto id = ids.find(match[1]);
        if (id == ids.end()) {
            table.unknownNames.push_back(match[1]);
        } else {
            table.texts[id->second] = Wide(Unescaped(match[2]));
        }
    }
    return table;
}

std::string TStringTables::Unescaped(const std::string& quoted) {
    std::string text;
    for (std::size_t i = 0; i < quoted.size(); ++i) {
        if (quoted[i] == '\\' && i + 1 < quoted.size()) {
            ++i;
            text += quoted[i] == 'n' ? '\n' : quoted[i];
        } else if (quoted[i] == '"' && i + 1 < quoted.size() && quoted[i + 1] == '"') {
            text += '"';
            ++i;
        } else {
            text += quoted[i];
        }
    }
    return text;
}

std::wstring TStringTables::Wide(const std::string& utf8) {
    std::wstring text;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xe0 ? 2 : lead < 0xf0 ? 3 : 4;
        std::uint32_t code = length == 1 ? lead : lead & (0x3fu >> (length - 1));
        for (int k = 1; k < length && i + static_cast<std::size_t>(k) < utf8.size(); ++k) {
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3fu);
        }
        i += static_cast<std::size_t>(length);
        if (code > 0xffff && sizeof(wchar_t) == 2) {
            text += static_cast<wchar_t>(0xd800 + ((code - 0x10000) >> 10));
            text += static_cast<wchar_t>(0xdc00 + ((code - 0x10000) & 0x3ff));
        } else {
            text += static_cast<wchar_t>(code);
        }
    }
    return text;
}
