// Numbers written as text by a player, a hand-edited file or a script: the one
// reader behind the configuration files, `--set NAME=VALUE` and the script
// commands, so a value that does not fit its variable is refused the same way
// everywhere instead of reaching an integer conversion it would overflow.
//
// What reads as a number:
//   - blanks around it are ignored;
//   - decimal with an optional sign, fraction and exponent ("12", "-3", "2.5", "1e3");
//   - "&H" followed by hexadecimal digits ("&H10" = 16), as older settings files hold;
//   - nothing else: no "inf", "nan", "0x10", no empty text.
// Into an integer a fraction is rounded half to even (2.5 gives 2, 3.5 gives 4),
// as the configuration files have always been read; the result must lie in the
// integer type's range. Into a float it must be finite and within the float's
// range. Into a Boolean any number serves: non-zero is true.
#pragma once

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

namespace zembrol {

enum class NumberStatus { Ok, NotANumber, OutOfRange };

template <class T>
struct NumberRead {
    NumberStatus status = NumberStatus::NotANumber;
    T value{};
    explicit operator bool() const { return status == NumberStatus::Ok; }
};

// "TRUE" / "FALSE" in any case with blanks around: the words the configuration
// files store Booleans as. 1, 0, or -1 when the text is neither word.
inline int BooleanWord(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    auto is = [&](std::string_view word) {
        if (text.size() != word.size()) return false;
        for (size_t k = 0; k < word.size(); ++k)
            if (std::toupper(static_cast<unsigned char>(text[k])) != word[k]) return false;
        return true;
    };
    return is("TRUE") ? 1 : is("FALSE") ? 0 : -1;
}

namespace number_text_detail {

// The text as an exact whole number (when it has no fraction or exponent) or as
// a double. OutOfRange when it does not fit even those.
struct Scanned {
    NumberStatus status = NumberStatus::NotANumber;
    bool whole = false;
    long long integer = 0;
    double real = 0;
};

inline Scanned Scan(std::string_view t) {
    Scanned s;
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.front()))) t.remove_prefix(1);
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.back()))) t.remove_suffix(1);
    if (t.empty()) return s;
    if (t.size() > 2 && t[0] == '&' && (t[1] == 'H' || t[1] == 'h')) {
        unsigned long long v = 0;
        const char* first = t.data() + 2;
        const char* last = t.data() + t.size();
        if (!std::isxdigit(static_cast<unsigned char>(*first))) return s;
        auto [end, ec] = std::from_chars(first, last, v, 16);
        if (end != last) return s;
        if (ec == std::errc::result_out_of_range || v > static_cast<unsigned long long>(std::numeric_limits<long long>::max())) {
            s.status = NumberStatus::OutOfRange;
            return s;
        }
        s.status = NumberStatus::Ok;
        s.whole = true;
        s.integer = static_cast<long long>(v);
        return s;
    }
    // Only the plain decimal grammar: from_chars alone would also take "inf" and "nan".
    size_t k = 0;
    if (t[k] == '+' || t[k] == '-') ++k;
    const size_t intStart = k;
    while (k < t.size() && std::isdigit(static_cast<unsigned char>(t[k]))) ++k;
    size_t digits = k - intStart;
    bool whole = true;
    if (k < t.size() && t[k] == '.') {
        whole = false;
        const size_t fracStart = ++k;
        while (k < t.size() && std::isdigit(static_cast<unsigned char>(t[k]))) ++k;
        digits += k - fracStart;
    }
    if (digits == 0) return s;
    if (k < t.size() && (t[k] == 'e' || t[k] == 'E')) {
        whole = false;
        ++k;
        if (k < t.size() && (t[k] == '+' || t[k] == '-')) ++k;
        const size_t expStart = k;
        while (k < t.size() && std::isdigit(static_cast<unsigned char>(t[k]))) ++k;
        if (k == expStart) return s;
    }
    if (k != t.size()) return s;
    // from_chars takes no leading '+'.
    std::string_view body = t;
    if (body[0] == '+') body.remove_prefix(1);
    if (whole) {
        // Exact while it fits a long long; beyond that it is still a number, for a float.
        auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), s.integer);
        if (ec == std::errc() && end == body.data() + body.size()) s.whole = true;
        else if (ec != std::errc::result_out_of_range) return s;
    }
    if (!s.whole) {
        auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), s.real);
        if (ec == std::errc::result_out_of_range) {
            // Too large overflows; too small merely underflows towards zero.
            const bool huge = std::fabs(std::strtod(std::string(body).c_str(), nullptr)) > 1.0;
            if (huge) {
                s.status = NumberStatus::OutOfRange;
                return s;
            }
            s.real = std::strtod(std::string(body).c_str(), nullptr);
        } else if (ec != std::errc() || end != body.data() + body.size() || !std::isfinite(s.real)) {
            return s;
        }
    }
    s.status = NumberStatus::Ok;
    return s;
}

}  // namespace number_text_detail

// The text as a T (bool, an integer type, float or double); see the rules above.
template <class T>
NumberRead<T> ParseNumber(std::string_view text) {
    using number_text_detail::Scanned;
    NumberRead<T> r;
    const Scanned s = number_text_detail::Scan(text);
    r.status = s.status;
    if (s.status != NumberStatus::Ok) return r;
    r.status = NumberStatus::OutOfRange;
    if constexpr (std::is_same_v<T, bool>) {
        r.value = s.whole ? s.integer != 0 : s.real != 0;
    } else if constexpr (std::is_integral_v<T>) {
        long long v = 0;
        if (s.whole) {
            v = s.integer;
        } else {
            const double rounded = std::nearbyint(s.real);  // half to even in the default rounding mode
            // 2^63 is the first double past long long; the comparison is exact there.
            if (!(rounded >= -9223372036854775808.0 && rounded < 9223372036854775808.0)) return r;
            v = static_cast<long long>(rounded);
        }
        if constexpr (std::is_unsigned_v<T>) {
            if (v < 0 || static_cast<unsigned long long>(v) > std::numeric_limits<T>::max()) return r;
        } else {
            if (v < static_cast<long long>(std::numeric_limits<T>::min()) ||
                v > static_cast<long long>(std::numeric_limits<T>::max()))
                return r;
        }
        r.value = static_cast<T>(v);
    } else {
        static_assert(std::is_floating_point_v<T>, "ParseNumber reads into Booleans, integers and floats");
        const double v = s.whole ? static_cast<double>(s.integer) : s.real;
        // The largest single written with 8 or 9 digits ("3.4028235e+38") lies a little
        // above it and still rounds to it; only what would round to infinity is refused.
        const double max = static_cast<double>(std::numeric_limits<T>::max());
        const double roundsToMax = std::is_same_v<T, float> ? max + std::ldexp(1.0, 103) : max;
        if (!std::isfinite(v) || !(std::fabs(v) < roundsToMax || std::fabs(v) == max)) return r;
        r.value = static_cast<T>(std::clamp(v, -max, max));
    }
    r.status = NumberStatus::Ok;
    return r;
}

// ParseNumber, and the value must also lie within lo..hi (OutOfRange otherwise).
template <class T>
NumberRead<T> ParseNumberIn(std::string_view text, T lo, T hi) {
    NumberRead<T> r = ParseNumber<T>(text);
    if (r && (r.value < lo || r.value > hi)) {
        r.status = NumberStatus::OutOfRange;
        r.value = T{};
    }
    return r;
}

}  // namespace zembrol
