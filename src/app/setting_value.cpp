// Setting conversions.
#include "app/setting_value.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <strings.h>

namespace zembrol {

namespace {

std::string TrimBlanks(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

// The number a text stands for: decimal (with fraction or exponent) or "&H" hex.
std::optional<double> Number(const std::string& text) {
    std::string t = TrimBlanks(text);
    if (t.empty()) return std::nullopt;
    if (t.size() > 2 && t[0] == '&' && (t[1] == 'H' || t[1] == 'h')) {
        char* end = nullptr;
        long long v = std::strtoll(t.c_str() + 2, &end, 16);
        if (*end != '\0') return std::nullopt;
        return static_cast<double>(v);
    }
    // strtod would also take "inf", "nan" and hexadecimal floats: only plain decimals pass.
    for (char c : t)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return std::nullopt;
    char* end = nullptr;
    double v = std::strtod(t.c_str(), &end);
    if (end == t.c_str() || *end != '\0' || !std::isfinite(v)) return std::nullopt;
    return v;
}

// The value as the loader sees it: "TRUE" and "FALSE" (any case, blanks around)
// are the numbers 1 and 0, anything else is text.
std::optional<double> LoaderNumber(const std::string& raw) {
    std::string t = TrimBlanks(raw);
    if (strcasecmp(t.c_str(), "TRUE") == 0) return 1.0;
    if (strcasecmp(t.c_str(), "FALSE") == 0) return 0.0;
    return Number(t);
}

template <typename T>
bool AssignInteger(const std::string& raw, T* var) {
    auto v = LoaderNumber(raw);
    if (!v) return false;
    double r = std::nearbyint(*v);  // half to even
    if (r < static_cast<double>(std::numeric_limits<T>::min()) || r > static_cast<double>(std::numeric_limits<T>::max()))
        return false;
    *var = static_cast<T>(r);
    return true;
}

}  // namespace

bool AssignSetting(const std::string& raw, SettingRef ref) {
    struct Visitor {
        const std::string& raw;
        bool operator()(bool* b) const {
            auto v = LoaderNumber(raw);
            if (!v) return false;
            *b = *v != 0;
            return true;
        }
        bool operator()(uint8_t* v) const { return AssignInteger(raw, v); }
        bool operator()(int16_t* v) const { return AssignInteger(raw, v); }
        bool operator()(int32_t* v) const { return AssignInteger(raw, v); }
        bool operator()(float* f) const {
            auto v = LoaderNumber(raw);
            if (!v || std::fabs(*v) > std::numeric_limits<float>::max()) return false;
            *f = static_cast<float>(*v);
            return true;
        }
        bool operator()(std::string* s) const {
            std::string t = TrimBlanks(raw);
            if (strcasecmp(t.c_str(), "TRUE") == 0) t = "1";
            else if (strcasecmp(t.c_str(), "FALSE") == 0) t = "0";
            *s = t;
            return true;
        }
    };
    return std::visit(Visitor{raw}, ref);
}

std::string SettingText(SettingRef ref) {
    struct Visitor {
        std::string operator()(bool* b) const { return *b ? "True" : "False"; }
        std::string operator()(uint8_t* v) const { return std::to_string(*v); }
        std::string operator()(int16_t* v) const { return std::to_string(*v); }
        std::string operator()(int32_t* v) const { return std::to_string(*v); }
        std::string operator()(float* f) const {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(*f));
            return buf;
        }
        std::string operator()(std::string* s) const { return *s; }
    };
    return std::visit(Visitor{}, ref);
}

}  // namespace zembrol
