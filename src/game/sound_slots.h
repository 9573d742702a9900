// The ten event sound slots, in the order the application creates them. The rules
// name the slot an event plays; the sound subsystem owns what each slot holds.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zembrol {

enum class SoundSlot : uint8_t { mDown1, mLft1, mRht1, mRot1, mDrop1, mDel1, mZemb1, mDrop2, mDown2, mInv1 };

inline constexpr int kSoundSlotCount = 10;

inline constexpr std::array<const char*, kSoundSlotCount> kSoundSlotNames = {
    "mDown1", "mLft1", "mRht1", "mRot1", "mDrop1", "mDel1", "mZemb1", "mDrop2", "mDown2", "mInv1"};

inline const char* SoundSlotName(SoundSlot slot) { return kSoundSlotNames[static_cast<std::size_t>(slot)]; }

}  // namespace zembrol
