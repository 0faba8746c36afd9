#include "calc/numeric_text.h"

#include "calc/characters.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <limits>
#include <string>

namespace tarvelle {
namespace {

bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// The text with the skipped characters taken out, so that "1 2.5" reads as 12.5.
std::string withoutBlanks(std::string_view text)
{
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        if (!isSkipped(c))
            kept.push_back(c);
    }
    return kept;
}

// The leading number of a blank-free text, split into what the reader needs.
struct LeadingNumber {
    bool negative = false;
    std::string unsignedPart;  // digits, point and exponent as read
    long decimalMagnitude = 0; // the value lies in [10^(m-1), 10^m); used only when it is out of range
};

LeadingNumber readLeadingNumber(const std::string& s)
{
    LeadingNumber number;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number.negative = s[i++] == '-';

    const std::size_t mantissaStart = i;
    bool seenPoint = false;
    bool seenDigit = false;
    bool seenNonZero = false;
    long magnitude = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (isDigit(c)) {
            seenDigit = true;
            seenNonZero = seenNonZero || c != '0';
            if (!seenPoint && seenNonZero)
                ++magnitude;  // a significant digit before the point
            else if (seenPoint && !seenNonZero)
                --magnitude;  // a zero between the point and the first significant digit
        } else {
            break;
        }
    }
    if (!seenDigit)
        return {};  // no number: a lone point, a lone sign, or any other character
    number.unsignedPart = s.substr(mantissaStart, i - mantissaStart);

    // An exponent counts only when at least one digit follows its letter and sign.
    std::size_t j = i;
    if (j < s.size() && (s[j] == 'e' || s[j] == 'E')) {
        ++j;
        bool exponentNegative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponentNegative = s[j++] == '-';
        const std::size_t digitsStart = j;
        long exponent = 0;
        constexpr long saturation = 1'000'000'000L;
        while (j < s.size() && isDigit(s[j])) {
            exponent = std::min(saturation, exponent * 10 + (s[j] - '0'));
            ++j;
        }
        if (j > digitsStart) {
            number.unsignedPart = s.substr(mantissaStart, j - mantissaStart);
            magnitude += exponentNegative ? -exponent : exponent;
        }
    }
    number.decimalMagnitude = seenNonZero ? magnitude : std::numeric_limits<long>::min();
    return number;
}

}  // namespace

double numericValue(std::string_view text)
{
    const std::string compact = withoutBlanks(text);
    const LeadingNumber number = readLeadingNumber(compact);
    if (number.unsignedPart.empty())
        return 0.0;

    // fast_float rounds correctly, as std::from_chars does, and is there on every
    // platform (libc++ has no from_chars for double), so every build reads the same bits.
    double value = 0.0;
    const char* first = number.unsignedPart.data();
    const char* last = first + number.unsignedPart.size();
    if (fast_float::from_chars(first, last, value).ec == std::errc::result_out_of_range) {
        // Too large gives infinity; too small to be told from zero gives 0 (some
        // versions of the reader report these as out of range).
        value = number.decimalMagnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return number.negative ? -value : value;
}

}  // namespace tarvelle
