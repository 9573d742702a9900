// File names of the record files, built from lower-case keys.
#include "stats/record_files.h"

namespace zembrol {

std::string g_SpeedKey(int16_t speed) {
    static const char* const kKeys[] = {"slow", "medium", "fast"};
    return speed >= 0 && speed <= 2 ? kKeys[speed] : "";
}

std::string g_TypeKey(int32_t type) {
    static const char* const kKeys[] = {"zemb", "class", "seq"};
    return type >= 1 && type <= 3 ? kKeys[type - 1] : "";
}

std::string g_VariantKey(const RecordKey& key, bool withType) {
    if (!key.trial) return g_TypeKey(key.type);
    return withType ? "trial_" + g_TypeKey(key.type) : "trial";
}

std::string RecordTableName(const RecordKey& key) {
    return "DF_" + g_SpeedKey(key.speed) + "_" + g_VariantKey(key, true) + ".txt";
}

std::string FullStatName(const RecordKey& key) {
    return "DS_" + g_SpeedKey(key.speed) + g_VariantKey(key, false) + ".zmb";
}

std::string LevelTableName(const RecordKey& key, int level) {
    return "DF_" + g_SpeedKey(key.speed) + "_" + g_VariantKey(key, true) + "_level" + std::to_string(level) + ".txt";
}

}  // namespace zembrol
