#pragma once

#include "core/TTexts.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

// The string tables as their source files hold them: the ids of core/TextIds.h and every
// resources/lang/<tag>.rc, read without the resource compiler, so that the core's tests see the
// program's own texts natively too. TAVELIN_SOURCE_DIR is the project folder.
class TStringTables {
public:
    struct TTable {
        // Text by id, and the names the file uses that core/TextIds.h does not define.
        std::map<int, std::wstring> texts;
        std::vector<std::string> unknownNames;
    };

    static const TStringTables& Read() {
        static const TStringTables tables;
        return tables;
    }

    // Every id's name, by id.
    const std::map<int, std::string>& Names() const {
        return names;
    }

    // The tags of the files there are, as their names give them ("de", "pt-BR").
    std::vector<std::string> Tags() const {
        std::vector<std::string> result;
        for (const auto& [tag, table] : tables) {
            result.push_back(tag);
        }
        return result;
    }

    const TTable& Table(const std::string& tag) const {
        static const TTable none;
        const auto found = tables.find(tag);
        return found == tables.end() ? none : found->second;
    }

    // The texts of one language, as the program would look them up.
    TTexts Texts(const std::string& tag) const {
        const TTable* table = &Table(tag);
        return TTexts([table](int id) {
            const auto found = table->texts.find(id);
            return found == table->texts.end() ? std::wstring() : found->second;
        });
    }

private:
    TStringTables() {
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

    static TTable ReadTable(const std::filesystem::path& file, const std::map<std::string, int>& ids) {
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

    // The resource compiler's escapes: \n, \\, \" and "".
    static std::string Unescaped(const std::string& quoted) {
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

    static std::wstring Wide(const std::string& utf8) {
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

    std::map<int, std::string> names;
    std::map<std::string, TTable> tables;
};

// The English texts, which the program's English output is checked against.
inline TTexts EnglishTexts() {
    return TStringTables::Read().Texts("en");
}
