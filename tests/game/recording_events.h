// RecordingEvents: a GameEvents that writes every call as one line of text
// ("PlaySoundAt mDown1 11 2"), so tests can check which events ran and in what order.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "game/game_events.h"

namespace zembrol::test {

class RecordingEvents : public GameEvents {
public:
    std::vector<std::string> calls;
    bool initGlobalsResult = true;
    bool demoRunning = false;
    bool flightBusy = false;
    bool recordPanSweep = false;   // MusicPanSweep runs every tick; off keeps logs short

    void Clear() { calls.clear(); }
    // Calls whose text starts with prefix.
    std::vector<std::string> Matching(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const std::string& c : calls)
            if (c.rfind(prefix, 0) == 0) out.push_back(c);
        return out;
    }

    bool InitGlobals() override { Add("InitGlobals"); return initGlobalsResult; }
    void Log(const std::string& m, int kind, bool ok) override { Add("Log", m, kind, ok); }
    void PlaySound(const char* slot) override { Add("PlaySound", slot); }
    void PlaySoundAt(const char* slot, double c, double r) override { Add("PlaySoundAt", slot, c, r); }
    void PlaySoundAtNextFigure(const char* slot) override { Add("PlaySoundAtNextFigure", slot); }
    void MusicStart() override { Add("MusicStart"); }
    void MusicPanSweep() override { if (recordPanSweep) Add("MusicPanSweep"); }
    void RowRemovalStart() override { Add("RowRemovalStart"); }
    void RowRemovalAdd(int row) override { Add("RowRemovalAdd", row); }
    void RemovedFigureEffectStop() override { Add("RemovedFigureEffectStop"); }
    void RemovedFigureEffectStart(const std::array<std::array<bool, 4>, 4>&, int c, int r) override {
        Add("RemovedFigureEffectStart", c, r);
    }
    void FlyingDigits(int32_t v, double c, double r) override { Add("FlyingDigits", v, c, r); }
    void TimeBonusDigits(int32_t v, double c, double r) override { Add("TimeBonusDigits", v, c, r); }
    void MiracleDigits(int32_t m) override { Add("MiracleDigits", m); }
    void LevelBannerRestart() override { Add("LevelBannerRestart"); }
    void LevelFlightStart() override { Add("LevelFlightStart"); }
    bool LevelFlightBusy() override { return flightBusy; }
    void BlockMeshesRefresh() override { Add("BlockMeshesRefresh"); }
    void ViewReset() override { Add("ViewReset"); }
    void CountLinesBlink(int n) override { Add("CountLinesBlink", n); }
    void TakeBackIndicatorsShow() override { Add("TakeBackIndicatorsShow"); }
    void ColorIndicatorHide() override { Add("ColorIndicatorHide"); }
    void GameCaptionsWrite() override { Add("GameCaptionsWrite"); }
    void BusyTimersStop() override { Add("BusyTimersStop"); }
    void DemoStop() override { Add("DemoStop"); }
    void DemoResume() override { Add("DemoResume"); }
    bool DemoRunning() override { return demoRunning; }
    void DemoPlanFigure() override { Add("DemoPlanFigure"); }
    void DemoTimerOff() override { Add("DemoTimerOff"); }
    void ErrorReport(const std::string& f, const std::string& m) override { Add("ErrorReport", f, m); }
    void RecordPlaceLabelsReset() override { Add("RecordPlaceLabelsReset"); }
    void RecordPlaceStringsClear() override { Add("RecordPlaceStringsClear"); }
    void RecordsNewGame() override { Add("RecordsNewGame"); }
    void LevelFinished(int left) override { Add("LevelFinished", left); }
    void BookLevelStat(int level, bool atGameOver) override { Add("BookLevelStat", level, atGameOver); }
    void RecordDisplayUpdate(bool changed) override { Add("RecordDisplayUpdate", changed); }

private:
    template <class... A>
    void Add(const char* name, const A&... args) {
        std::ostringstream o;
        o << name;
        ((o << ' ' << args), ...);
        calls.push_back(o.str());
    }
};

}  // namespace zembrol::test
