#include "core/HistoryLine.h"

#include "core/Calendar.h"
#include "core/TimeTextReading.h"

#include <algorithm>

namespace {

constexpr std::size_t TimestampLength = 19;

const THistoryKindWords* KindOf(THistoryKind kind) {
    const auto found = std::find_if(HistoryKinds.begin(), HistoryKinds.end(),
                                    [kind](const THistoryKindWords& words) { return words.kind == kind; });
    return found == HistoryKinds.end() ? nullptr : &*found;
}

const THistoryKindWords* KindNamed(std::string_view word) {
    const auto found = std::find_if(HistoryKinds.begin(), HistoryKinds.end(),
                                    [word](const THistoryKindWords& words) { return words.word == word; });
    return found == HistoryKinds.end() ? nullptr : &*found;
}

bool IsHowOf(const THistoryKindWords& kind, std::string_view how) {
    return !how.empty() && std::find(kind.hows.begin(), kind.hows.end(), how) != kind.hows.end();
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "YYYY.MM.DD HH:MM:SS" and "YYYY-MM-DD HH:MM:SS" differ only in the date's separators; the other
// characters must be digits and the fields a calendar time.
bool IsMoment(std::string_view text, char dateSeparator) {
    if (text.size() != TimestampLength) {
        return false;
    }
    for (std::size_t i = 0; i < TimestampLength; ++i) {
        const char expected = i == 4 || i == 7 ? dateSeparator : i == 10 ? ' ' : i == 13 || i == 16 ? ':' : '0';
        if (expected == '0' ? !IsDigit(text[i]) : text[i] != expected) {
            return false;
        }
    }
    const auto fields = ReadTimestampFields(std::string(text.substr(0, 4)) + "." + std::string(text.substr(5, 2)) +
                                            "." + std::string(text.substr(8)));
    return fields && IsCalendarTime(*fields);
}

std::string WithDateSeparator(std::string_view moment, char separator) {
    std::string text(moment);
    text[4] = separator;
    text[7] = separator;
    return text;
}

// Digits without a leading zero (but "0"), within 64 bits.
std::optional<std::int64_t> ReadSeconds(std::string_view text) {
    if (text.empty() || text.size() > 18 || (text.size() > 1 && text[0] == '0') ||
        !std::all_of(text.begin(), text.end(), IsDigit)) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char c : text) {
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::string HistoryLine(const THistoryEvent& event) {
    const THistoryKindWords* const kind = KindOf(event.kind);
    if (kind == nullptr || !IsHowOf(*kind, event.how) || event.seconds < 0 ||
        event.seconds > 999'999'999'999'999'999 || !IsMoment(event.start, '.') || !IsMoment(event.end, '.')) {
        return std::string();
    }
    std::string line = WithDateSeparator(event.start, '-');
    line += ',';
    line += WithDateSeparator(event.end, '-');
    line += ',';
    line += kind->word;
    line += ',';
    line += std::to_string(event.seconds);
    line += ',';
    line += event.how;
    return line;
}

std::optional<THistoryEvent> ReadHistoryLine(std::string_view line) {
    std::array<std::string_view, 5> fields;
    std::size_t begin = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t comma = line.find(',', begin);
        const bool last = i + 1 == fields.size();
        if (last != (comma == std::string_view::npos)) {
            return std::nullopt;
        }
        fields[i] = line.substr(begin, last ? std::string_view::npos : comma - begin);
        begin = comma + 1;
    }
    const THistoryKindWords* const kind = KindNamed(fields[2]);
    const std::optional<std::int64_t> seconds = ReadSeconds(fields[3]);
    if (kind == nullptr || !seconds || !IsHowOf(*kind, fields[4]) || !IsMoment(fields[0], '-') ||
        !IsMoment(fields[1], '-')) {
        return std::nullopt;
    }
    return THistoryEvent{WithDateSeparator(fields[0], '.'), WithDateSeparator(fields[1], '.'), kind->kind, *seconds,
                         std::string(fields[4])};
}
