// Settings: one variable per configuration key, with the values the game uses
// before any configuration file is read. The rules' own settings live in GameSettings.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/game_settings.h"

namespace zembrol {

// One event sound slot as the configuration stores it.
struct SoundSlotSettings {
    std::string Path = "...";
    bool Enbl = true;
    int16_t Vol = 0;     // hundredths of a decibel, 0 = full
    int32_t Freq = 0;    // 0 = the file's own rate
};

inline constexpr int kSoundSlots = 10;
// Key prefixes in the order the configuration file lists them, with their default file names.
inline constexpr std::array<const char*, kSoundSlots> kSlotPrefixes = {
    "mLft1", "mRht1", "mRot1", "mDrop1", "mDrop2", "mDown1", "mDown2", "mDel1", "mZemb1", "mInv1"};
inline constexpr std::array<const char*, kSoundSlots> kSlotDefaultNames = {
    "level", "start", "rot", "drop1", "drop2", "down1", "down2", "del", "zembrol", "inv"};

inline constexpr int kTextureKeys = 15;
// Default texture file of each "gr_arTex" index.
std::string DefaultTextureName(int index);

struct Settings {
    GameSettings game;

    // MAIN
    float left = 0, top = 0;           // main window edges in twips (15 per pixel at 96 dpi)
    bool bFlyingBonus = true;
    int16_t iBeSnake = 1;
    bool bWalkText = true;
    bool m_WorldEnable = true;
    bool bHideGrids = false;
    int16_t m_WorldSpeed = 5;
    bool EnableSoundControl = true;
    int16_t SpeedChange = 10;
    bool bDrawSetka = true;
    uint8_t mSeq_Count = 0;           // length of the stored user sequence
    int16_t g_SkinIndex = 0;
    bool bDetLevel = true;

    // MUSIC
    std::string PathToBkgMusic = "...";
    bool EnableLoop = true;
    int16_t DirectSound_Vol = -600;
    int32_t freq = 22050;
    std::array<SoundSlotSettings, kSoundSlots> slots;
    std::array<bool, 2> bLstBox = {true, true};
    bool bColorQuads = true;
    std::string iNumSkin = "1";
    int16_t iControlsColor = 0;

    // GRAPH
    int16_t gr_NumLights = 4;
    int16_t gr_Alpha = 0;
    int16_t gr_MoveBkg = 1;
    std::array<std::string, kTextureKeys> gr_arTex;
    int16_t gr_AlphaSource = 5;
    int16_t gr_AlphaDest = 6;
    int16_t btMRed = 255, btMGreen = 255, btMBlue = 255;
    int16_t btMRedNext = 200, btMGreenNext = 200, btMBlueNext = 255;
    bool bHLNew = true;
    int16_t dq_ValueDelay = 20;
    int16_t gr_VisibleLights = 1;
    int16_t gr_LightsSpeed = 5;

    // DESKTOP
    bool bPauseOnFocusLoss = true;     // switching to another window pauses a running game
    bool bFullScreen = false;
    int16_t iWindowWidth = 0;          // the window's size in pixels; 0: the base size at the desktop's scale
    int16_t iWindowHeight = 0;
    bool bShowFPS = true;              // the frames-per-second label; a new player's file has it off

    // ACCESS
    bool bColorBlind = false;          // figures coloured by their kind from a palette colour-blind players tell apart
    bool bShapeMarks = false;          // a mark on each cell that tells the figure's kind without colour

    // REPLAYS
    int16_t iReplaysKept = 100;        // finished games kept in the replays folder besides the last and the record games
};

}  // namespace zembrol
