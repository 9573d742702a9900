// State dump: keys in a fixed order so two runs can be compared as text.
#include "loop/state_dump.h"

#include "game/figures.h"

namespace zembrol {

namespace {

class JsonLine {
public:
    void Key(const char* k) {
        out_ += first_ ? "" : ",";
        first_ = false;
        out_ += '"';
        out_ += k;
        out_ += "\":";
    }
    void Num(const char* k, long long v) { Key(k); out_ += std::to_string(v); }
    void Flag(const char* k, bool v) { Key(k); out_ += v ? "true" : "false"; }
    void Str(const char* k, const std::string& v) { Key(k); Quote(v); }
    void Quote(const std::string& v) {
        out_ += '"';
        for (char c : v) {
            if (c == '"' || c == '\\') {
                out_ += '\\';
                out_ += c;
            } else if (static_cast<unsigned char>(c) < 0x20) {
                static const char* hex = "0123456789abcdef";
                out_ += "\\u00";
                out_ += hex[(c >> 4) & 0xF];
                out_ += hex[c & 0xF];
            } else {
                out_ += c;
            }
        }
        out_ += '"';
    }
    void Open(char c) { out_ += c; first_ = true; }
    void Close(char c) { out_ += c; first_ = false; }
    void Comma() { if (!first_) out_ += ','; first_ = false; }
    std::string& Text() { return out_; }

private:
    std::string out_;
    bool first_ = true;
};

}  // namespace

std::string DumpState(const Session& ses, const DumpExtras* extras) {
    const GameState& s = ses.state;
    const GameSettings& c = ses.settings;
    JsonLine j;
    j.Open('{');
    j.Num("g_FigX", s.g_FigX);
    j.Num("g_FigY", s.g_FigY);
    j.Num("g_Level", s.g_Level);
    j.Num("score", s.score.s_getval());
    j.Num("m_FallDelay", s.m_FallDelay);
    j.Num("m_FallCounter", s.m_FallCounter);
    j.Num("m_DropWait", s.m_DropWait);
    j.Num("g_FallSpeed", s.g_FallSpeed);
    j.Num("g_LinesInLevel", s.g_LinesInLevel);
    j.Flag("g_Running", s.g_Running);
    j.Flag("g_Dropping", s.g_Dropping);
    j.Flag("g_DropArmed", s.g_DropArmed);
    j.Flag("g_ViewMoving", s.g_ViewMoving);
    j.Flag("cl_Busy", s.cl_Busy);
    j.Num("gt_CurGameType", c.gt_CurGameType);
    j.Num("g_Speed", c.g_Speed);
    j.Num("g_TickMs", c.g_TickMs);
    j.Flag("g_Trial", c.g_Trial);
    j.Num("g_TrialGameNo", s.g_TrialGameNo);
    j.Flag("bRandomSeq", c.bRandomSeq);
    j.Num("m_NumKinds", s.m_NumKinds);
    j.Key("queue");
    j.Open('[');
    for (const FigureRec& f : s.g_Figs) {
        j.Comma();
        j.Open('{');
        j.Str("mask", CellsToMask(f.Cells));
        j.Num("Price", f.Price);
        j.Flag("IsSpecial", f.IsSpecial);
        j.Flag("IsZemb", f.IsZemb);
        j.Close('}');
    }
    j.Close(']');
    j.Key("field");
    j.Open('[');
    std::string row(kPlayWidth, '0');
    for (int r = 0; r <= s.FloorRow(); ++r) {
        for (int k = 0; k < kPlayWidth; ++k) row[k] = s.g_Pole[kFirstCol + k][r] ? '1' : '0';
        j.Comma();
        j.Quote(row);
    }
    j.Close(']');
    j.Num("g_FigCount", s.g_FigCount);
    j.Key("g_LineKinds");
    j.Open('[');
    for (int32_t v : s.g_LineKinds) {
        j.Comma();
        j.Text() += std::to_string(v);
    }
    j.Close(']');
    j.Num("g_ZembBonus", s.g_ZembBonus);
    j.Num("g_TimeBonus", s.g_TimeBonus);
    j.Num("g_TimeBonusNow", s.g_TimeBonusNow);
    j.Num("m_FigTicks", s.m_FigTicks);
    j.Num("g_MovesFig", s.g_MovesFig);
    j.Num("g_MovesTotal", s.g_MovesTotal);
    j.Num("g_SpecialCount", s.g_SpecialCount);
    j.Num("g_ZembCount", s.g_ZembCount);
    j.Num("g_ChangeBonus", s.g_ChangeBonus);
    j.Num("g_MiracleMeter", s.g_MiracleMeter);
    j.Num("m_MouseCol", s.m_MouseCol);
    j.Num("m_FantomX", s.m_FantomX);
    j.Num("m_FantomY", s.m_FantomY);
    j.Str("lblScore", s.lblScore);
    j.Str("lblLevel", s.lblLevel);
    j.Key("lblCountLines");
    j.Open('[');
    for (const std::string& l : s.lblCountLines) {
        j.Comma();
        j.Quote(l);
    }
    j.Close(']');
    j.Str("lblDB", s.lblDB);
    j.Str("lblTB", s.lblTB);
    j.Str("lblChB", s.lblChB);
    j.Str("lblInvB", s.lblInvB);
    j.Str("lblCoB", s.lblCoB);
    // Bonuses: the Miracle meter, Inversia, the colour bonus, the take-back.
    j.Num("g_MiracleTick", s.g_MiracleTick);
    j.Flag("m_InvSign", s.m_InvSign);
    j.Num("g_InversiaBonus", s.g_InversiaBonus);
    j.Num("g_ColorState", s.g_ColorState);
    j.Num("g_ColorWarn", s.g_ColorWarn);
    j.Num("g_ColorTime", s.g_ColorTime);
    j.Num("g_ColorValue", s.g_ColorValue);
    j.Flag("m_ColorTaken", s.m_ColorTaken);
    j.Num("g_ColorBonus", s.g_ColorBonus);
    j.Flag("colorIndicatorVisible", s.m_ColorIndicator.visible);
    j.Num("TakeBackCount", s.g_LastFig.TakeBackCount);
    j.Flag("TakenBack", s.g_LastFig.TakenBack);
    j.Flag("RowsRemoved", s.g_LastFig.RowsRemoved);
    // The series and the demo plan.
    j.Key("g_TrialScores");
    j.Open('[');
    for (int32_t v : s.g_TrialScores) {
        j.Comma();
        j.Text() += std::to_string(v);
    }
    j.Close(']');
    const clsDemo3& d = ses.demo.player;
    j.Key("demo");
    j.Open('{');
    j.Flag("chkDemo", ses.state.chkDemo);
    j.Flag("tmrDemo", ses.state.tmrDemo);
    j.Flag("demoUsed", ses.state.demoUsed);
    j.Num("speed", d.Speed());
    j.Num("targetRotation", d.TargetRotation());
    j.Num("targetColumn", d.TargetColumn());
    j.Num("targetHoles", d.TargetHoles());
    j.Flag("invertWanted", d.InvertWanted());
    j.Flag("takeBackWanted", d.TakeBackWanted());
    j.Close('}');
    j.Num("gamesOver", ses.loop.gamesOver);
    if (extras) {
        j.Key("window");
        if (extras->window) {
            j.Quote(extras->window->Name());
            j.Key("controls");
            j.Open('{');
            for (const ControlValue& c : extras->window->Controls()) {
                j.Str(c.name.c_str(), c.text);
                if (c.color >= 0) j.Num((c.name + ".ForeColor").c_str(), c.color);
            }
            j.Close('}');
        } else {
            j.Text() += "null";
        }
        j.Key("settings");
        j.Open('{');
        for (const auto& [key, value] : extras->settings) j.Str(key.c_str(), value);
        j.Close('}');
        if (!extras->mainWindow.empty()) {
            j.Key("main");
            j.Open('{');
            for (const ControlValue& c : extras->mainWindow) j.Str(c.name.c_str(), c.text);
            j.Close('}');
        }
    }
    j.Close('}');
    return std::move(j.Text());
}

}  // namespace zembrol
