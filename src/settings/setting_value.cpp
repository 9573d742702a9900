// Setting conversions.
#include "settings/setting_value.h"

#include <cstdio>
#include <cstdlib>

#include "game/number_text.h"

namespace zembrol {

namespace {

std::string TrimBlanks(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

const char* TypeName(bool*) { return "a Boolean"; }
const char* TypeName(uint8_t*) { return "a byte (0..255)"; }
const char* TypeName(int16_t*) { return "a 16-bit integer"; }
const char* TypeName(int32_t*) { return "a 32-bit integer"; }
const char* TypeName(float*) { return "a single"; }

// The loader takes "TRUE" and "FALSE" as the numbers 1 and 0 before converting to
// the variable's type, whatever that type is.
template <typename T>
bool AssignNumber(const std::string& raw, T* var, std::string* problem) {
    NumberRead<T> read;
    if (const int word = BooleanWord(raw); word >= 0) {
        read.status = NumberStatus::Ok;
        read.value = static_cast<T>(word);
    } else {
        read = ParseNumber<T>(raw);
    }
    if (read) {
        *var = read.value;
        return true;
    }
    if (problem) {
        *problem = "\"" + raw + "\" " +
                   (read.status == NumberStatus::OutOfRange ? "is out of range for " : "is not a number for ") +
                   TypeName(var);
    }
    return false;
}

struct AssignVisitor {
    const std::string& raw;
    std::string* problem;
    bool operator()(std::string* s) const {
        std::string t = TrimBlanks(raw);
        if (const int word = BooleanWord(t); word >= 0) t = word ? "1" : "0";
        *s = t;
        return true;
    }
    template <typename T>
    bool operator()(T* v) const { return AssignNumber(raw, v, problem); }
};

}  // namespace

bool AssignSetting(const std::string& raw, SettingRef ref, std::string* problem) {
    return std::visit(AssignVisitor{raw, problem}, ref);
}

std::string SettingText(SettingRef ref) {
    struct Visitor {
        std::string operator()(bool* b) const { return *b ? "True" : "False"; }
        std::string operator()(uint8_t* v) const { return std::to_string(*v); }
        std::string operator()(int16_t* v) const { return std::to_string(*v); }
        std::string operator()(int32_t* v) const { return std::to_string(*v); }
        std::string operator()(float* f) const {
            // The shortest text that reads back as the same single (7 digits mostly,
            // up to 9 for values such as 1.0000001).
            char buf[32];
            for (int digits = 7; digits <= 9; ++digits) {
                std::snprintf(buf, sizeof buf, "%.*g", digits, static_cast<double>(*f));
                if (std::strtof(buf, nullptr) == *f) break;
            }
            return buf;
        }
        std::string operator()(std::string* s) const { return *s; }
    };
    return std::visit(Visitor{}, ref);
}

}  // namespace zembrol
