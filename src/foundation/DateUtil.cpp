#include "foundation/DateUtil.h"

#include <cctype>

namespace {

// The current year is read once and kept for the run.
int CurrentYear() {
    static const int year = [] {
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return local.tm_year + 1900;
    }();
    return year;
}

// Reads a decimal number; false when there is no digit.
bool ReadNumber(const char*& p, int& value) {
    if (!std::isdigit(static_cast<unsigned char>(*p))) return false;
    value = 0;
    while (std::isdigit(static_cast<unsigned char>(*p))) {
        if (value < 100000) value = value * 10 + (*p - '0');
        ++p;
    }
    return true;
}

}  // namespace

bool IsLeapYear(int year) {
    if (year % 4 != 0) return false;
    if (year % 100 != 0) return true;
    return year % 400 == 0;
}

int DaysInMonth(int month, int year) {
    static constexpr int kDays[2][12] = {
        {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
        {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    };
    if (month < 0 || month > 11) return 0;
    return kDays[IsLeapYear(year) ? 1 : 0][month];
}

int ParseYear(const char* text, const char** end) {
    const char* p = text;
    int year = 0;
    ReadNumber(p, year);
    if (end) *end = p;
    if (year < 100) year += (CurrentYear() >= 1999 && year < 30) ? 2000 : 1900;
    return year - 1900;
}

int ParseDate(const char* text, std::time_t* result) {
    if (!text || !*text) return 0;
    const char* p = text;
    int month = 0;
    int day = 0;
    if (!ReadNumber(p, month) || !*p) return 0;
    ++p;
    if (!ReadNumber(p, day) || !*p) return 0;
    ++p;
    if (!std::isdigit(static_cast<unsigned char>(*p))) return 0;
    std::tm date{};
    date.tm_year = ParseYear(p, &p);
    date.tm_mon = month - 1;
    date.tm_mday = day;
    date.tm_isdst = -1;
    if (result) *result = std::mktime(&date);
    return static_cast<int>(p - text);
}
