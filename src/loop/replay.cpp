// Recording, the text format and the playback of one game.
#include "loop/replay.h"

#include <cinttypes>
#include <cstdio>
#include <sstream>

#include "game/f_init.h"
#include "loop/command.h"
#include "loop/general_loop.h"

namespace zembrol {

namespace {

// A named value of the session: read for the file, written back by a replay.
struct Named {
    const char* name;
    std::function<int64_t(const Session&)> get;
    std::function<void(Session&, int64_t)> set;
};

#define ZR_SETTING(field) \
    Named{#field, [](const Session& s) { return static_cast<int64_t>(s.settings.field); }, \
          [](Session& s, int64_t v) { s.settings.field = static_cast<decltype(s.settings.field)>(v); }}
#define ZR_STATE(field) \
    Named{#field, [](const Session& s) { return static_cast<int64_t>(s.state.field); }, \
          [](Session& s, int64_t v) { s.state.field = static_cast<decltype(s.state.field)>(v); }}
#define ZR_LOOP(field) \
    Named{#field, [](const Session& s) { return static_cast<int64_t>(s.loop.field); }, \
          [](Session& s, int64_t v) { s.loop.field = static_cast<decltype(s.loop.field)>(v); }}

// The settings that change what the rules or the input do.
const std::vector<Named>& SettingTable() {
    static const std::vector<Named> t = {
        ZR_SETTING(bCW), ZR_SETTING(m_DelLinesInLevel), ZR_SETTING(gt_CurGameType), ZR_SETTING(g_Trial),
        ZR_SETTING(g_Speed), ZR_SETTING(g_TickMs), ZR_SETTING(iFantom), ZR_SETTING(bEnableMiracle),
        ZR_SETTING(iNumSpeedMiracle), ZR_SETTING(EnableSvet), ZR_SETTING(iVerColorBonus), ZR_SETTING(bRandomSeq),
        ZR_SETTING(bRightButton), ZR_SETTING(bOwnRepeat), ZR_SETTING(iRepeatDelay), ZR_SETTING(iRepeatRate),
        ZR_SETTING(b_AnimateChangeLevel),   // the level flight holds the game back while it plays
    };
    return t;
}

// What a game start leaves as the previous game left it, and the rules read.
const std::vector<Named>& CarriedTable() {
    static const std::vector<Named> t = {
        ZR_STATE(m_MouseCol), ZR_STATE(m_FigTicks), ZR_STATE(g_TimeBonusNow), ZR_STATE(m_DropWait),
        ZR_STATE(g_FallSpeed), ZR_STATE(g_TrialGameNo), ZR_STATE(g_ViewMoving), ZR_STATE(cl_Busy),
        ZR_STATE(m_EndOfGameDisplay), ZR_STATE(m_LevelAtLastLanding), ZR_STATE(g_MiracleTick),
        ZR_STATE(g_ColorWarn), ZR_STATE(g_ColorTime), ZR_STATE(m_ColorTaken), ZR_STATE(m_LastInvAmount),
        ZR_STATE(m_LastColorAmount), ZR_LOOP(leftDown), ZR_LOOP(rightDown), ZR_LOOP(inStartUp),
    };
    return t;
}

const Named* Find(const std::vector<Named>& table, const std::string& name) {
    for (const Named& n : table)
        if (name == n.name) return &n;
    return nullptr;
}

uint64_t Fnv(const std::string& text) {
    uint64_t h = 14695981039346656037ull;
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

std::string Hex(uint64_t v) {
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016" PRIx64, v);
    return buf;
}

int GeneratorIndex(char g) { return g == 'l' ? 1 : 0; }

}  // namespace

// --- final state -----------------------------------------------------------------------

FinalCounters CaptureFinal(const Session& s) {
    const GameState& st = s.state;
    uint64_t field = 14695981039346656037ull;
    for (int c = 0; c < kPoleCols; ++c)
        for (int r = 0; r < kPoleRows; ++r) {
            field ^= st.g_Pole[c][r] ? 1u : 0u;
            field *= 1099511628211ull;
        }
    FinalCounters f;
    f.values = {
        {"score", st.score.s_getval()}, {"level", st.g_Level}, {"figures", st.g_FigCount},
        {"moves", st.g_MovesTotal}, {"lines1", st.g_LineKinds[0]}, {"lines2", st.g_LineKinds[1]},
        {"lines3", st.g_LineKinds[2]}, {"lines4", st.g_LineKinds[3]}, {"zembBonus", st.g_ZembBonus},
        {"timeBonus", st.g_TimeBonus}, {"changeBonus", st.g_ChangeBonus}, {"inversiaBonus", st.g_InversiaBonus},
        {"colorBonus", st.g_ColorBonus}, {"specials", st.g_SpecialCount}, {"zembs", st.g_ZembCount},
        {"takeBacks", st.g_LastFig.TakeBackCount}, {"field", static_cast<int64_t>(field & 0x7FFFFFFFFFFFull)},
    };
    return f;
}

std::string FinalCounters::Text() const {
    std::string out;
    for (const auto& [name, value] : values) {
        if (!out.empty()) out += ' ';
        out += name + "=" + std::to_string(value);
    }
    return out;
}

std::string FinalCounters::FirstDifference(const FinalCounters& replayed) const {
    for (size_t i = 0; i < values.size(); ++i) {
        const int64_t got = i < replayed.values.size() ? replayed.values[i].second : 0;
        if (got != values[i].second)
            return values[i].first + ": recorded " + std::to_string(values[i].second) + ", replayed " + std::to_string(got);
    }
    return values.size() == replayed.values.size() ? "" : "the counters differ";
}

// --- the text format -----------------------------------------------------------------

std::string WriteReplay(const ReplayFile& f) {
    std::ostringstream o;
    o << "zembrol-replay " << f.format << "\n";
    o << "program " << f.program << "\n";
    o << "generator " << (f.clockSeeded ? "clock" : "fixed") << "\n";
    o << "rng game " << f.gameRng << "\n";
    o << "rng looks " << f.looksRng << "\n";
    for (const auto& [n, v] : f.settings) o << "set " << n << " " << v << "\n";
    for (const auto& [n, v] : f.carried) o << "carry " << n << " " << v << "\n";
    o << "sequence " << static_cast<int>(f.seqPosition);
    for (uint8_t item : f.sequence) o << " " << static_cast<int>(item);
    o << "\n";
    for (const ReplaySeed& s : f.seeds) o << "seed " << s.pass << " " << s.generator << " " << s.value << "\n";
    for (const ReplayInput& in : f.inputs) {
        if (in.kind == InputKind::Setting) o << "change " << in.pass << " " << in.setting << " " << in.value << "\n";
        else o << "in " << in.pass << " " << static_cast<char>(in.kind) << " " << in.value << "\n";
    }
    o << "end " << f.endPass << " " << f.endReason << "\n";
    o << "final " << f.final.Text() << "\n";
    const std::string body = o.str();
    return body + "check " + Hex(Fnv(body)) + "\n";
}

bool ParseReplay(const std::string& text, ReplayFile* out, std::string* error) {
    auto fail = [&](const std::string& why) {
        *error = why;
        return false;
    };
    if (text.rfind("zembrol-replay ", 0) != 0) return fail("not a replay file (it does not start with \"zembrol-replay\")");
    {
        std::istringstream first(text.substr(15, text.find('\n') - 15));
        long long format = 0;
        if (!(first >> format) || format < 1) return fail("not a replay file (no format number on its first line)");
        if (format > kReplayFormat)
            return fail("the replay was made by a newer version of the game (format " + std::to_string(format) +
                        "; this version reads format " + std::to_string(kReplayFormat) + ")");
    }
    const size_t check = text.rfind("check ");
    if (check == std::string::npos || (check > 0 && text[check - 1] != '\n'))
        return fail("the replay is truncated (its check line is missing)");
    std::string sum = text.substr(check + 6);
    while (!sum.empty() && (sum.back() == '\n' || sum.back() == '\r')) sum.pop_back();
    if (sum.size() != 16) return fail("the replay is truncated (its check line is cut short)");
    if (sum != Hex(Fnv(text.substr(0, check)))) return fail("the replay is damaged or was altered (its checksum does not match)");

    ReplayFile f;
    std::istringstream lines(text.substr(0, check));
    std::string line;
    int number = 0;
    bool sawEnd = false, sawFinal = false;
    while (std::getline(lines, line)) {
        ++number;
        std::istringstream w(line);
        std::string word;
        w >> word;
        auto bad = [&](const std::string& why) { return fail("line " + std::to_string(number) + ": " + why); };
        if (word == "zembrol-replay") {
            w >> f.format;
        } else if (word == "program") {
            std::getline(w >> std::ws, f.program);
        } else if (word == "generator") {
            w >> word;
            if (word != "clock" && word != "fixed") return bad("generator is clock or fixed");
            f.clockSeeded = word == "clock";
        } else if (word == "rng") {
            w >> word;
            std::string state;
            std::getline(w >> std::ws, state);
            if (word == "game") f.gameRng = state;
            else if (word == "looks") f.looksRng = state;
            else return bad("unknown generator \"" + word + "\"");
        } else if (word == "set" || word == "carry") {
            std::string name;
            long long v = 0;
            if (!(w >> name >> v)) return bad("a name and a number expected");
            (word == "set" ? f.settings : f.carried).emplace_back(name, v);
        } else if (word == "sequence") {
            int v = 0;
            if (!(w >> v) || v < 1 || v > 10) return bad("sequence position 1..10 expected");
            f.seqPosition = static_cast<uint8_t>(v);
            while (w >> v) {
                if (v < 0 || v > 255 || f.sequence.size() >= clsSeq::kCapacity) return bad("bad sequence item");
                f.sequence.push_back(static_cast<uint8_t>(v));
            }
        } else if (word == "seed") {
            ReplaySeed s;
            if (!(w >> s.pass >> s.generator >> s.value) || (s.generator != 'g' && s.generator != 'l'))
                return bad("seed PASS g|l VALUE expected");
            f.seeds.push_back(s);
        } else if (word == "in" || word == "change") {
            ReplayInput in;
            if (word == "in") {
                char kind = 0;
                Command command;
                if (!(w >> in.pass >> kind >> in.value) ||
                    !CommandOfJournal(static_cast<InputKind>(kind), in.value, &command))
                    return bad("in PASS KIND VALUE expected");
                in.kind = static_cast<InputKind>(kind);
            } else {
                in.kind = InputKind::Setting;
                if (!(w >> in.pass >> in.setting >> in.value)) return bad("change PASS NAME VALUE expected");
            }
            if (!f.inputs.empty() && in.pass < f.inputs.back().pass) return bad("inputs out of pass order");
            f.inputs.push_back(in);
        } else if (word == "end") {
            if (!(w >> f.endPass >> f.endReason) || f.endPass < 0) return bad("end PASS REASON expected");
            sawEnd = true;
        } else if (word == "final") {
            while (w >> word) {
                const size_t eq = word.find('=');
                if (eq == std::string::npos) return bad("final NAME=VALUE expected");
                try {
                    f.final.values.emplace_back(word.substr(0, eq), std::stoll(word.substr(eq + 1)));
                } catch (...) {
                    return bad("final NAME=VALUE expected");
                }
            }
            sawFinal = true;
        } else if (!word.empty()) {
            return bad("unknown item \"" + word + "\"");
        }
    }
    if (!sawEnd || !sawFinal || f.gameRng.empty()) return fail("the replay is incomplete (no end, final or generator line)");
    *out = std::move(f);
    return true;
}

// --- recording -----------------------------------------------------------------------

GameRecorder::GameRecorder(Session& s, Rng* looks, std::string program, Sink onFinished, ExtraSettings extra)
    : s_(s), looks_(looks), program_(std::move(program)), sink_(std::move(onFinished)), extra_(std::move(extra)) {}

void GameRecorder::GameStarting() {
    const bool seriesGoesOn = s_.settings.g_Trial && s_.state.g_TrialGameNo > 0 && s_.state.g_TrialGameNo < 3;
    if (active_ && seriesGoesOn) return;
    if (active_) Finish(over_ ? "over" : "new");
    // A held key does not carry its repeat into a new game.
    s_.loop.keyRepeat = KeyRepeat{};
    // A replay starts its game between passes and ticks it first in its pass 1. A game
    // started within a pass (a window button acts after the frame) ticks in that same
    // pass: it counts as the game's pass 1, and the inputs after it are stamped so.
    s_.loop.gamePass = s_.loop.tickAhead ? 1 : 0;
    startPass_ = s_.loop.gamePass;
    file_ = ReplayFile{};
    file_.program = program_;
    file_.clockSeeded = !s_.rng.Deterministic();
    file_.gameRng = s_.rng.State();
    if (looks_) file_.looksRng = looks_->State();
    TakeSettings();
    for (const Named& n : CarriedTable()) file_.carried.emplace_back(n.name, n.get(s_));
    active_ = true;
    over_ = false;
    cut_ = false;
}

std::vector<std::pair<std::string, int64_t>> GameRecorder::CurrentSettings() const {
    std::vector<std::pair<std::string, int64_t>> now;
    for (const Named& n : SettingTable()) now.emplace_back(n.name, n.get(s_));
    if (extra_.read)
        for (auto& v : extra_.read()) now.push_back(std::move(v));
    return now;
}

void GameRecorder::TakeSettings() {
    file_.settings = CurrentSettings();
    settingsNow_ = file_.settings;
    file_.sequence.clear();
    file_.seqPosition = s_.settings.UserSeq.Position();
    for (uint8_t k = 1; k <= s_.settings.UserSeq.GetCount(); ++k) file_.sequence.push_back(s_.settings.UserSeq.GetValueItem(k));
}

void GameRecorder::SettingsLoaded() {
    if (active_ && s_.loop.gamePass == startPass_) TakeSettings();
}

void GameRecorder::Close() {
    if (active_) Finish(over_ ? "over" : "closed");
}

void GameRecorder::Finish(const std::string& reason) {
    active_ = false;
    if (!over_) {
        file_.endPass = s_.loop.gamePass;
        file_.final = CaptureFinal(s_);
    }
    file_.endReason = reason;
    // A game that never ran a pass is not worth a file; a cut one would not replay.
    if (file_.endPass > 0 && !cut_ && sink_) sink_(file_);
    file_.inputs = {};
}

void GameRecorder::Keep(ReplayInput in) {
    if (cut_) return;
    if (file_.inputs.size() >= inputLimit_) {
        cut_ = true;
        file_.inputs = {};
        if (note_)
            note_("replay: the game passed " + std::to_string(inputLimit_) + " inputs at pass " +
                  std::to_string(s_.loop.gamePass) + "; its recording stopped and it will not be saved");
        return;
    }
    file_.inputs.push_back(std::move(in));
}

uint64_t GameRecorder::Seed(char generator, uint64_t clockValue) {
    if (active_ && !over_) file_.seeds.push_back({s_.loop.gamePass, generator, clockValue});
    return clockValue;
}

void GameRecorder::SettingsChanged() {
    if (!active_ || over_) return;
    const auto now = CurrentSettings();
    for (size_t k = 0; k < now.size() && k < settingsNow_.size(); ++k)
        if (now[k].second != settingsNow_[k].second)
            Keep({s_.loop.gamePass, InputKind::Setting, static_cast<int32_t>(now[k].second), now[k].first});
    settingsNow_ = now;
}

void GameRecorder::Input(InputKind kind, int32_t value) {
    if (active_ && !over_) Keep({s_.loop.gamePass, kind, value, {}});
}

void GameRecorder::GameOver(const Session& s) {
    if (!active_ || (s.settings.g_Trial && s.state.g_TrialGameNo < 3)) return;
    file_.endPass = s.loop.gamePass;
    file_.final = CaptureFinal(s);
    over_ = true;
}

// --- playback ------------------------------------------------------------------------

bool GameReplayer::Restore(Session& s, Rng* looks, const ExtraSettings& extra, std::string* error) {
    s.settings.bCarryFigTicks = f_.format < 3;
    for (const auto& [name, value] : f_.settings) {
        if (const Named* n = Find(SettingTable(), name)) n->set(s, value);
        else if (!extra.write || !extra.write(name, value)) {
            *error = "the replay uses a setting this version does not know: " + name;
            return false;
        }
    }
    for (const ReplayInput& in : f_.inputs) {
        if (in.kind != InputKind::Setting || Find(SettingTable(), in.setting)) continue;
        bool extraKnows = false;
        if (extra.read)
            for (const auto& [name, value] : extra.read()) extraKnows = extraKnows || name == in.setting;
        if (!extraKnows) {
            *error = "the replay changes a setting this version does not know: " + in.setting;
            return false;
        }
    }
    for (const auto& [name, value] : f_.carried) {
        const Named* n = Find(CarriedTable(), name);
        if (!n) {
            *error = "the replay keeps a value this version does not know: " + name;
            return false;
        }
        n->set(s, value);
    }
    // The first game of a run starts during start-up and keeps that on record, but
    // start-up is over before its first pass: its passes, as a replay's, take clicks.
    s.loop.inStartUp = false;
    s.settings.UserSeq.seq_Clear();
    for (uint8_t item : f_.sequence) s.settings.UserSeq.PutItem(item);
    s.settings.UserSeq.SetPosition(f_.seqPosition);
    if (!s.rng.SetState(f_.gameRng) || (looks && !f_.looksRng.empty() && !looks->SetState(f_.looksRng))) {
        *error = "the replay's generator state is damaged";
        return false;
    }
    if (f_.clockSeeded) {
        s.rng.SetClockSeed([this] { return Seed('g'); });
        if (looks) looks->SetClockSeed([this] { return Seed('l'); });
    } else {
        s.rng.SetClockSeed(nullptr);
        if (looks) looks->SetClockSeed(nullptr);
    }
    return true;
}

uint64_t GameReplayer::Seed(char generator) {
    // Past the recorded game over the next game starts; its draws are not on record.
    if (over_) return 0;
    size_t& next = nextSeed_[static_cast<size_t>(GeneratorIndex(generator))];
    while (next < f_.seeds.size() && f_.seeds[next].generator != generator) ++next;
    if (next >= f_.seeds.size()) {
        diverged_ = true;
        return 0;
    }
    return f_.seeds[next++].value;
}

void GameReplayer::ApplyInputs(Session& s) {
    while (nextInput_ < f_.inputs.size() && f_.inputs[nextInput_].pass <= s.loop.gamePass)
        ApplyReplayInput(s, f_.inputs[nextInput_++], extra_);
}

void GameReplayer::GameOver(const Session& s) {
    if (over_ || (s.settings.g_Trial && s.state.g_TrialGameNo < 3)) return;
    final_ = CaptureFinal(s);
    over_ = true;
}

void ApplyReplayInput(Session& s, const ReplayInput& in, const ExtraSettings& extra) {
    Command command;
    if (CommandOfJournal(in.kind, in.value, &command)) {
        Apply(s, command);
        return;
    }
    // A setting's change. Restore() has refused a file whose settings this version
    // does not know; a change of an unknown one leaves the replay to the final comparison.
    if (const Named* n = Find(SettingTable(), in.setting)) n->set(s, in.value);
    else if (extra.write) extra.write(in.setting, in.value);
}

ReplayReport RunReplay(Session& s, GameReplayer& replayer, Rng* looks, const ExtraSettings& extra) {
    ReplayReport report;
    report.recorded = replayer.File().final;
    if (!replayer.Restore(s, looks, extra, &report.message)) return report;
    Journal* before = s.journal;
    s.journal = &replayer;
    Apply(s, Command::NewGame());
    s.loop.gamePass = 0;
    s.loop.keyRepeat = KeyRepeat{};
    while (s.loop.running && !replayer.Done(s) && !replayer.Diverged()) {
        replayer.ApplyInputs(s);
        if (!WaitForPass(s)) break;
        LoopPass(s);
    }
    if (!replayer.Diverged()) replayer.ApplyInputs(s);
    s.journal = before;
    report.replayed = replayer.Final(s);
    if (replayer.Diverged()) {
        report.message = "the replay left the recorded game at pass " + std::to_string(s.loop.gamePass) +
                         " (it asked for a reseed the recorded game did not take)";
        return report;
    }
    const std::string diff = report.recorded.FirstDifference(report.replayed);
    report.matches = diff.empty();
    report.message = report.matches ? "the final state matches the recording" : "the final state differs: " + diff;
    return report;
}

}  // namespace zembrol
