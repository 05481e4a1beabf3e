#include "platform/TextValue.h"

#include <limits>

namespace platform {

namespace {

// Reads [white space][sign]digits from the start of `text`; saturates at [lo, hi].
// `digits` tells whether any digit was read.
int64_t leadingInteger(const QString& text, int64_t lo, int64_t hi, bool* digits)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text.at(i).isSpace()) ++i;
    bool negative = false;
    if (i < n && (text.at(i) == u'-' || text.at(i) == u'+')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    // Accumulate towards the sign's limit so the most negative value is reachable.
    int64_t result = 0;
    bool any = false;
    bool saturated = false;
    for (; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9') break;
        any = true;
        if (saturated) continue;
        const int d = c - u'0';
        if (negative) {
            if (result < (lo + d) / 10) {
                result = lo;
                saturated = true;
            } else {
                result = result * 10 - d;
                if (result < lo) result = lo;
            }
        } else {
            if (result > (hi - d) / 10) {
                result = hi;
                saturated = true;
            } else {
                result = result * 10 + d;
            }
        }
    }
    if (digits) *digits = any;
    return any ? result : 0;
}

} // namespace

int32_t intValue(const QString& text)
{
    return static_cast<int32_t>(leadingInteger(text, std::numeric_limits<int32_t>::min(),
                                               std::numeric_limits<int32_t>::max(), nullptr));
}

int64_t longLongValue(const QString& text)
{
    return leadingInteger(text, std::numeric_limits<int64_t>::min(),
                          std::numeric_limits<int64_t>::max(), nullptr);
}

bool hasLeadingInteger(const QString& text)
{
    bool digits = false;
    leadingInteger(text, 0, 0, &digits);
    return digits;
}

} // namespace platform
