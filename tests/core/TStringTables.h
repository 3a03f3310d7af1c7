#pragma once

#include "core/TTexts.h"

#include <filesystem>
#include <map>
#include <string>
#include <vector>

// The string tables as their source files hold them: the ids of core/TextIds.h and every
// resources/lang/<tag>.rc, read without the resource compiler, so that the core's tests see the
// program's own texts natively too.
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
    TStringTables();

    static TTable ReadTable(const std::filesystem::path& file, const std::map<std::string, int>& ids);
    // The resource compiler's escapes: \n, \\, \" and "".
    static std::string Unescaped(const std::string& quoted);
    static std::wstring Wide(const std::string& utf8);

    std::map<int, std::string> names;
    std::map<std::string, TTable> tables;
};

// The English texts, which the program's English output is checked against.
inline TTexts EnglishTexts() {
    return TStringTables::Read().Texts("en");
}
