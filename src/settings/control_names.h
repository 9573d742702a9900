// The names of the settings windows' controls as scripts and dumps spell them. The
// windows, the setting rows and the views all name a control through these, so a
// misspelt name does not compile. An array's elements are NAME(k).
#pragma once

namespace zembrol::ctl {

// frmSettings
inline constexpr const char* tbs1 = "tbs1";
inline constexpr const char* cmdOK = "cmdOK";
inline constexpr const char* close = "close";          // the title bar's close box
inline constexpr const char* gameChanged = "gameChanged";
// event sounds
inline constexpr const char* chkSoundControl = "chkSoundControl";
inline constexpr const char* cmbListEvents = "cmbListEvents";
inline constexpr const char* fraFirstVar = "fraFirstVar";
inline constexpr const char* fraSecondVar = "fraSecondVar";
inline constexpr const char* chkEnFirstVar = "chkEnFirstVar";
inline constexpr const char* chkEnSecondVar = "chkEnSecondVar";
inline constexpr const char* cmdOpenFirst = "cmdOpenFirst";
inline constexpr const char* cmdOpenSecond = "cmdOpenSecond";
inline constexpr const char* lblFirstVar = "lblFirstVar";
inline constexpr const char* lblSecondVar = "lblSecondVar";
inline constexpr const char* sldVolBut1 = "sldVolBut1";
inline constexpr const char* sldVolBut2 = "sldVolBut2";
inline constexpr const char* sldFreqBut1 = "sldFreqBut1";
inline constexpr const char* sldFreqBut2 = "sldFreqBut2";
// background music
inline constexpr const char* chkEnable = "chkEnable";
inline constexpr const char* cmdOpen = "cmdOpen";
inline constexpr const char* lblFile = "lblFile";
inline constexpr const char* sldVolBackgrnd = "sldVolBackgrnd";
inline constexpr const char* sldFreq = "sldFreq";
inline constexpr const char* sldChange = "sldChange";
inline constexpr const char* txtChange = "txtChange";
// looks
inline constexpr const char* cmdSkin = "cmdSkin";      // 0..4 the field's skins, 7..9 the window's
inline constexpr const char* cmdLoadSkin = "cmdLoadSkin";
inline constexpr const char* lblSkin = "lblSkin";
inline constexpr const char* cmdControlColor = "cmdControlColor";
inline constexpr const char* optFant = "optFant";
inline constexpr const char* optFuture = "optFuture";
inline constexpr const char* chkSnake = "chkSnake";
inline constexpr const char* chkHLLstBox0 = "chkHLLstBox(0)";
inline constexpr const char* chkHLLstBox1 = "chkHLLstBox(1)";
inline constexpr const char* chkAnimateChL = "chkAnimateChL";
inline constexpr const char* cmdSetGraph = "cmdSetGraph";
// bonuses
inline constexpr const char* chkEnableMiracle = "chkEnableMiracle";
inline constexpr const char* optMiracle = "optMiracle";
inline constexpr const char* chkSvet = "chkSvet";
inline constexpr const char* optVerColorB = "optVerColorB";
inline constexpr const char* optCW = "optCW";
inline constexpr const char* optMouse = "optMouse";
// game control
inline constexpr const char* optType = "optType";
inline constexpr const char* cmdSeq = "cmdSeq";
inline constexpr const char* optSpeed = "optSpeed";
inline constexpr const char* cmbFallSpeed = "cmbFallSpeed";
inline constexpr const char* cmbDelLin = "cmbDelLin";
inline constexpr const char* chkPauseOnFocusLoss = "chkPauseOnFocusLoss";
inline constexpr const char* lblINet = "lblINet";
// keys and colour aids
inline constexpr const char* lstKeys = "lstKeys";
inline constexpr const char* lstKeysWaiting = "lstKeys.Waiting";
inline constexpr const char* cmdKeysDefault = "cmdKeysDefault";
inline constexpr const char* lblKeysMsg = "lblKeysMsg";
inline constexpr const char* chkOwnRepeat = "chkOwnRepeat";
inline constexpr const char* sldRepeatDelay = "sldRepeatDelay";
inline constexpr const char* sldRepeatRate = "sldRepeatRate";
inline constexpr const char* chkColorBlind = "chkColorBlind";
inline constexpr const char* chkShapeMarks = "chkShapeMarks";

// frmGraph
inline constexpr const char* tbsMain = "tbsMain";
inline constexpr const char* cmOK = "cmOK";
inline constexpr const char* chkAlpha = "chkAlpha";
inline constexpr const char* cmbSource = "cmbSource";
inline constexpr const char* cmbDest = "cmbDest";
inline constexpr const char* optModulate = "optModulate";
inline constexpr const char* optDetal = "optDetal";
inline constexpr const char* chkColorQuads = "chkColorQuads";
inline constexpr const char* sldMainLight = "sldMainLight";  // 0..2 main light, 3..5 the grid light
inline constexpr const char* picMainLight = "picMainLight";
inline constexpr const char* picNextLight = "picNextLight";
inline constexpr const char* chkFlyingBonus = "chkFlyingBonus";
inline constexpr const char* chkWalkText = "chkWalkText";
inline constexpr const char* chkSetka = "chkSetka";
inline constexpr const char* cmbDeformType = "cmbDeformType";
inline constexpr const char* sldValueDelay = "sldValueDelay";
inline constexpr const char* chkHideGrid = "chkHideGrid";
inline constexpr const char* sldNumLights = "sldNumLights";
inline constexpr const char* sldNumLightsScroll = "sldNumLights.Scroll";
inline constexpr const char* sldSpeedLights = "sldSpeedLights";
inline constexpr const char* chkVisibleLights = "chkVisibleLights";
inline constexpr const char* chkHLNew = "chkHLNew";
inline constexpr const char* cmbTex = "cmbTex";
inline constexpr const char* cmdChoiseFile = "cmdChoiseFile";
inline constexpr const char* lblTexPath = "lblTexPath";
inline constexpr const char* chkWorldEnable = "chkWorldEnable";
inline constexpr const char* sldWorldSpeed = "sldWorldSpeed";
inline constexpr const char* lblHelp = "lblHelp";

}  // namespace zembrol::ctl
