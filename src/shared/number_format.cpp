#include "shared/number_format.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vado {

namespace {

// Decimal digits of |v| with the position of the point: value = 0.d1d2d3... x 10^pointPos.
struct Decimal {
    std::string digits;  // no leading zeros unless the value is zero
    int pointPos = 0;    // digits before the decimal point
};

Decimal ToDecimal15(double v) {
    // The value rounded correctly to 15 significant digits, as "%.14e" writes it; to_chars does
    // the same rounding several times faster, and every figure on a page passes through here.
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf - 1, std::fabs(v), std::chars_format::scientific, 14).ptr;
    *end = '\0';
    // buf is "d.dddddddddddddde[+-]XX"
    Decimal d;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p) {
        if (std::isdigit(static_cast<unsigned char>(*p))) d.digits.push_back(*p);
    }
    int exp = (*p == 'e') ? std::atoi(p + 1) : 0;
    d.pointPos = exp + 1;
    return d;
}

// Rounds the digit string half away from zero so that `decimals` digits follow the point.
void RoundAt(Decimal& d, int decimals) {
    int keep = d.pointPos + decimals;  // digits to keep
    if (keep < 0) {
        d.digits = "0";
        d.pointPos = 1;
        return;
    }
    if (keep >= static_cast<int>(d.digits.size())) return;
    bool up = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (up) {
        int i = keep - 1;
        for (; i >= 0; --i) {
            if (d.digits[i] == '9') {
                d.digits[i] = '0';
            } else {
                ++d.digits[i];
                break;
            }
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.pointPos;
        }
    }
}

}  // namespace

std::string FormatNumber(double v, std::string_view picture) {
    if (!std::isfinite(v)) return "";
    auto point = picture.find('.');
    std::string_view intPart = picture.substr(0, point);
    std::string_view fracPart =
        point == std::string_view::npos ? std::string_view{} : picture.substr(point + 1);
    int minInt = 0;
    for (char c : intPart)
        if (c == '0') ++minInt;
    int minDec = 0, maxDec = 0;
    for (char c : fracPart) {
        if (c == '0') ++minDec;
        if (c == '0' || c == '#') ++maxDec;
    }

    Decimal d = ToDecimal15(v);
    RoundAt(d, maxDec);

    // Spread the digits into an integer and a fraction string.
    std::string intDigits, fracDigits;
    for (int i = 0; i < d.pointPos; ++i)
        intDigits.push_back(i < static_cast<int>(d.digits.size()) ? d.digits[i] : '0');
    for (int i = 0; i < maxDec; ++i) {
        int k = d.pointPos + i;
        fracDigits.push_back(k >= 0 && k < static_cast<int>(d.digits.size()) ? d.digits[k] : '0');
    }
    size_t firstNonZero = intDigits.find_first_not_of('0');
    intDigits = firstNonZero == std::string::npos ? "" : intDigits.substr(firstNonZero);
    while (static_cast<int>(intDigits.size()) < minInt) intDigits.insert(intDigits.begin(), '0');
    while (static_cast<int>(fracDigits.size()) > minDec && fracDigits.back() == '0')
        fracDigits.pop_back();

    bool isZero = intDigits.find_first_not_of('0') == std::string::npos &&
                  fracDigits.find_first_not_of('0') == std::string::npos;
    std::string out;
    if (v < 0 && !isZero) out.push_back('-');
    out += intDigits;
    if (!fracDigits.empty()) {
        out.push_back('.');
        out += fracDigits;
    }
    return out;
}

std::string NumberText(double v) {
    if (!std::isfinite(v)) return "";
    if (v == 0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    std::string s = buf;
    auto e = s.find('e');
    if (e == std::string::npos) return s;
    // "1e-05" -> "1E-05": an upper-case E, a sign and at least two exponent digits.
    std::string mantissa = s.substr(0, e);
    char sign = s[e + 1];
    std::string digits = s.substr(e + 2);
    while (digits.size() > 2 && digits.front() == '0') digits.erase(digits.begin());
    if (digits.size() < 2) digits.insert(digits.begin(), '0');
    return mantissa + "E" + sign + digits;
}

std::string Trim(std::string_view text) {
    size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return "";
    size_t e = text.find_last_not_of(' ');
    return std::string(text.substr(b, e - b + 1));
}

std::optional<double> ParseReal(std::string_view text) {
    size_t b = text.find_first_not_of(" \t");
    if (b == std::string_view::npos) return std::nullopt;
    size_t e = text.find_last_not_of(" \t");
    std::string s(text.substr(b, e - b + 1));

    size_t i = 0;
    int mantissaDigits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++mantissaDigits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
            ++i, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        int expDigits = 0;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    // strtod honours the C locale, which the program never changes ("." always).
    double v = std::strtod(s.c_str(), nullptr);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

bool RoundToInt16(double x, short& out) {
    if (!std::isfinite(x)) return false;
    double r = std::nearbyint(x);  // default rounding mode: half to even
    if (r < -32768.0 || r > 32767.0) return false;
    out = static_cast<short>(r);
    return true;
}

std::optional<short> ParseInt16(std::string_view text) {
    auto v = ParseReal(text);
    short out = 0;
    if (!v || !RoundToInt16(*v, out)) return std::nullopt;
    return out;
}

std::optional<short> ParseWholeInt16(std::string_view text) {
    const auto v = ParseReal(text);
    if (!v || *v != std::floor(*v)) return std::nullopt;
    return ParseInt16(text);
}

}  // namespace vado
