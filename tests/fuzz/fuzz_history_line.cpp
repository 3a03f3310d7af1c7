// Any history file content, in memory, split into lines as the reader splits them: no line may
// crash the reader, and each line it reads must be written back as the very same bytes, which read
// back as the same event.
#include "core/HistoryLine.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const auto event = ReadHistoryLine(line);
    if (!event) {
        return;
    }
    const std::string written = HistoryLine(*event);
    Require(written == line);
    const auto again = ReadHistoryLine(written);
    Require(again && *again == *event);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view content(reinterpret_cast<const char*>(data), size);
    for (std::size_t end = content.find('\n'); end != std::string_view::npos; end = content.find('\n')) {
        CheckLine(content.substr(0, end));
        content.remove_prefix(end + 1);
    }
    CheckLine(content);
    return 0;
}
