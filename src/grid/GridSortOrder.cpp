// Orders cell texts of a grid list for sorting: numbers, day.month.year dates, case-free text.
#include "grid/GridSortOrder.h"

#include "base/NumberText.h"

#include <QString>

#include <chrono>
#include <cmath>

namespace {

// A small cursor over the text for the date reader.
class TextReader {
public:
    explicit TextReader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return position_ == text_.size(); }

    // Skips blanks; returns how many.
    int SkipBlanks() {
        int count = 0;
        while (!AtEnd() && (text_[position_] == ' ' || text_[position_] == '\t')) {
            ++position_;
            ++count;
        }
        return count;
    }

    // Reads minDigits to maxDigits decimal digits not followed by another digit; empty, with the
    // cursor left where it was, otherwise.
    std::optional<int> Digits(int minDigits, int maxDigits) {
        const std::size_t start = position_;
        int value = 0;
        int count = 0;
        while (count < maxDigits && !AtEnd() && text_[position_] >= '0' && text_[position_] <= '9') {
            value = value * 10 + (text_[position_] - '0');
            ++position_;
            ++count;
        }
        if (count < minDigits || (!AtEnd() && text_[position_] >= '0' && text_[position_] <= '9')) {
            position_ = start;
            return std::nullopt;
        }
        return value;
    }

    // Consumes c when it comes next.
    bool Take(char c) {
        if (AtEnd() || text_[position_] != c) return false;
        ++position_;
        return true;
    }

    // Consumes and returns a date separator, or 0 when none comes next.
    char TakeDateSeparator() {
        for (const char separator : {'.', '/', '-'}) {
            if (Take(separator)) return separator;
        }
        return 0;
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

std::optional<int> ReadYear(TextReader& reader) {
    if (const auto full = reader.Digits(4, 4)) {
        if (*full < 100) return std::nullopt;
        return full;
    }
    const auto shortYear = reader.Digits(2, 2);
    if (!shortYear) return std::nullopt;
    return *shortYear < 30 ? 2000 + *shortYear : 1900 + *shortYear;
}

// Seconds since midnight of "h:mm" or "h:mm:ss"; empty when malformed or out of range.
std::optional<int> ReadTimeOfDay(TextReader& reader) {
    const auto hours = reader.Digits(1, 2);
    if (!hours || !reader.Take(':')) return std::nullopt;
    const auto minutes = reader.Digits(2, 2);
    if (!minutes) return std::nullopt;
    int seconds = 0;
    if (reader.Take(':')) {
        const auto read = reader.Digits(2, 2);
        if (!read) return std::nullopt;
        seconds = *read;
    }
    if (*hours > 23 || *minutes > 59 || seconds > 59) return std::nullopt;
    return (*hours * 60 + *minutes) * 60 + seconds;
}

int Sign(double difference) { return (difference > 0) - (difference < 0); }

int CompareNumbers(std::string_view first, std::string_view second) {
    const double a = ParseLeadingDouble(first).value_or(0.0);
    const double b = ParseLeadingDouble(second).value_or(0.0);
    // NaN would tie with every number and leave the order undefined; it goes last instead.
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) - std::isnan(b);
    return Sign(a - b);
}

int CompareDates(std::string_view first, std::string_view second) {
    const auto a = ParseGridDate(first);
    const auto b = ParseGridDate(second);
    // A non-date that tied with every date would leave the order undefined; non-dates go first.
    if (!a || !b) return a.has_value() - b.has_value();
    return Sign(*a - *b);
}

int CompareTexts(std::string_view first, std::string_view second) {
    const QString a = QString::fromUtf8(first.data(), static_cast<qsizetype>(first.size()));
    const QString b = QString::fromUtf8(second.data(), static_cast<qsizetype>(second.size()));
    return Sign(a.compare(b, Qt::CaseInsensitive));
}

}  // namespace

std::optional<double> ParseGridDate(std::string_view text) {
    TextReader reader(text);
    reader.SkipBlanks();
    const auto day = reader.Digits(1, 2);
    const char separator = reader.TakeDateSeparator();
    const auto month = day && separator ? reader.Digits(1, 2) : std::nullopt;
    if (!month || !reader.Take(separator)) return std::nullopt;
    const auto year = ReadYear(reader);
    if (!year) return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(*year), std::chrono::month(static_cast<unsigned>(*month)),
                                           std::chrono::day(static_cast<unsigned>(*day))};
    if (!date.ok()) return std::nullopt;

    int secondOfDay = 0;
    if (reader.SkipBlanks() > 0 && !reader.AtEnd()) {
        const auto time = ReadTimeOfDay(reader);
        if (!time) return std::nullopt;
        secondOfDay = *time;
        reader.SkipBlanks();
    }
    if (!reader.AtEnd()) return std::nullopt;

    constexpr std::chrono::sys_days kOrigin{std::chrono::year(1899) / 12 / 30};
    const auto days = (std::chrono::sys_days(date) - kOrigin).count();
    return static_cast<double>(days) + secondOfDay / 86400.0;
}

int CompareGridCells(int sortKind, std::string_view first, std::string_view second) {
    switch (sortKind) {
    case kGridSortNumeric: return CompareNumbers(first, second);
    case kGridSortDate: return CompareDates(first, second);
    default: return CompareTexts(first, second);
    }
}
