#include "core/History.h"

#include "core/FileSystem.h"
#include "core/HistoryLine.h"

namespace {

constexpr std::string_view LineEnd = "\r\n";
// Written lines are gathered up to this size before they go to the new file.
constexpr std::size_t WritePieceSize = 65536;

std::wstring TemporaryFilePath(const std::wstring& dataFolder) {
    return dataFolder + L"\\history.csv.tmp";
}

bool IsDroppedBefore(std::string_view line, const std::string& firstDayKept) {
    const auto event = ReadHistoryLine(line);
    return event && event->start.compare(0, firstDayKept.size(), firstDayKept) < 0;
}

// Writes the header and the lines the filter keeps to the temporary file, then puts it in place. A
// file that cannot be read whole is not replaced by one that lost its lines.
std::error_code RewriteHistory(const std::wstring& dataFolder, const std::function<bool(std::string_view)>& keep) {
    const std::wstring temporaryFile = TemporaryFilePath(dataFolder);
    std::string piece = std::string(HistoryHeader) + std::string(LineEnd);
    std::error_code error = WriteWholeFile(temporaryFile, std::string());
    bool first = true;
    const bool read = ReadHistoryLines(dataFolder, [&](std::string_view line) {
        const bool header = first && line == HistoryHeader;
        first = false;
        if (error || header || !keep(line)) {
            return;
        }
        piece.append(line);
        piece.append(LineEnd);
        if (piece.size() >= WritePieceSize) {
            error = AppendToFile(temporaryFile, piece);
            piece.clear();
        }
    });
    if (!error && !piece.empty()) {
        error = AppendToFile(temporaryFile, piece);
    }
    if (!error && read) {
        error = ReplaceFileWith(HistoryFilePath(dataFolder), temporaryFile);
    }
    if (error || !read) {
        RemoveFile(temporaryFile);
    }
    return error;
}

}  // namespace

std::wstring HistoryFilePath(const std::wstring& dataFolder) {
    return dataFolder + L"\\history.csv";
}

std::error_code AppendHistoryLines(const std::wstring& dataFolder, const std::string& lines) {
    CreateFolder(dataFolder);
    const std::wstring file = HistoryFilePath(dataFolder);
    const std::optional<char> last = LastByteOfFile(file);
    std::string content;
    if (!last) {
        content = std::string(HistoryHeader) + std::string(LineEnd);
    } else if (*last != '\n') {
        content = std::string(LineEnd);
    }
    return AppendToFile(file, content + lines);
}

bool ReadHistoryLines(const std::wstring& dataFolder, const std::function<void(std::string_view line)>& take) {
    std::string partial;
    const auto give = [&take](std::string_view line) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        take(line);
    };
    const bool read = ReadFileInPieces(HistoryFilePath(dataFolder), [&](std::string_view piece) {
        for (std::size_t end = piece.find('\n'); end != std::string_view::npos; end = piece.find('\n')) {
            if (partial.empty()) {
                give(piece.substr(0, end));
            } else {
                partial.append(piece.substr(0, end));
                give(partial);
                partial.clear();
            }
            piece.remove_prefix(end + 1);
        }
        partial.append(piece);
    });
    if (!partial.empty()) {
        give(partial);
    }
    return read;
}

void ReadHistoryEvents(const std::wstring& dataFolder, const std::function<void(const THistoryEvent&)>& take) {
    ReadHistoryLines(dataFolder, [&take](std::string_view line) {
        if (const auto event = ReadHistoryLine(line)) {
            take(*event);
        }
    });
}

std::error_code PruneHistory(const std::wstring& dataFolder, const std::string& firstDayKept) {
    const auto dropped = [&firstDayKept](std::string_view line) { return IsDroppedBefore(line, firstDayKept); };
    bool dropping = false;
    ReadHistoryLines(dataFolder, [&](std::string_view line) { dropping = dropping || dropped(line); });
    if (!dropping) {
        return std::error_code();
    }
    return RewriteHistory(dataFolder, [&dropped](std::string_view line) { return !dropped(line); });
}

std::error_code ForgetHistory(const std::wstring& dataFolder) {
    CreateFolder(dataFolder);
    const std::wstring temporaryFile = TemporaryFilePath(dataFolder);
    std::error_code error = WriteWholeFile(temporaryFile, std::string(HistoryHeader) + std::string(LineEnd));
    if (!error) {
        error = ReplaceFileWith(HistoryFilePath(dataFolder), temporaryFile);
    }
    if (error) {
        RemoveFile(temporaryFile);
    }
    return error;
}
