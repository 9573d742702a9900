// Names of the record files: one record table, one full statistics file and eleven
// level tables for each combination of speed, game type and variant.
#pragma once

#include <cstdint>
#include <string>

namespace zembrol {

// Which table a result belongs to.
struct RecordKey {
    int16_t speed = 0;     // g_Speed
    int32_t type = 1;      // gt_CurGameType
    bool trial = false;    // g_Trial
};

// "slow", "medium", "fast"; "" outside 0..2.
std::string g_SpeedKey(int16_t speed);
// "zemb", "class", "seq"; "" outside 1..3.
std::string g_TypeKey(int32_t type);
// Simple: the type key. Trial: "trial_" + type key with withType, else "trial".
std::string g_VariantKey(const RecordKey& key, bool withType);

// File names inside data/set.
std::string RecordTableName(const RecordKey& key);             // DF_slow_zemb.txt
std::string FullStatName(const RecordKey& key);                // DS_slowzemb.zmb
std::string LevelTableName(const RecordKey& key, int level);   // DF_slow_zemb_level3.txt

}  // namespace zembrol
