// A modal window as scripts see it: its controls by name (texts and states) and the
// commands a player gives it. The application's windows implement ScriptWindow; a
// window run's view turns mouse and keys into the same commands, and a scripted run
// feeds it the script's next lines until it closes (WindowFeed).
#pragma once

#include <string>
#include <vector>

namespace zembrol {

// One control of the open window, for `dump`: "lblDiff(3)" -> "+120", and its
// ForeColor (0x00BBGGRR) where the window gives the control a colour of its own.
struct ControlValue {
    std::string name;
    std::string text;
    long long color = -1;   // -1: none
};

// "Name(index)" of an indexed control, and a check box's or option's state as the dump shows it.
inline std::string Indexed(const std::string& name, int index) { return name + "(" + std::to_string(index) + ")"; }
inline std::string Flag(bool on) { return on ? "1" : "0"; }

// "Name(index)": the control's name and index; index -1 without one.
bool SplitControl(const std::string& control, std::string* name, int* index);

// A list item by its text, else by its position (up to three digits); -1 when neither fits.
template <class Items>
int ItemIndex(const Items& items, const std::string& item) {
    int k = 0;
    for (const auto& candidate : items) {
        if (item == candidate) return k;
        ++k;
    }
    if (!item.empty() && item.size() < 4 && item.find_first_not_of("0123456789") == std::string::npos) {
        const int n = std::stoi(item);
        if (n < k) return n;
    }
    return -1;
}

// A colour of 0..255 parts as ControlValue::color holds it (0x00BBGGRR).
inline long long ControlColor(int red, int green, int blue) {
    auto part = [](int v) { return static_cast<long long>(v < 0 ? 0 : v > 255 ? 255 : v); };
    return part(red) | part(green) << 8 | part(blue) << 16;
}

class ScriptWindow {
public:
    virtual ~ScriptWindow() = default;
    // The window's name ("frmFullStat").
    virtual const char* Name() const = 0;
    virtual bool Closed() const = 0;
    // click NAME / click NAME(INDEX): false for a control the window does not have.
    virtual bool Click(const std::string& control) = 0;
    // type TEXT into the window's text field; false when it has none.
    virtual bool Type(const std::string& text) { (void)text; return false; }
    // key NAME ("Enter", "Esc", "Space"); false for a key the window ignores.
    virtual bool Key(const std::string& key) { (void)key; return false; }
    // scroll NAME VALUE; false for a name that is not a scroll bar.
    virtual bool Scroll(const std::string& control, int value) { (void)control, (void)value; return false; }
    // choose NAME ITEM: the item of a list, by its text (or its position in the list
    // when no item has that text); false for a name that is not a list or an item it lacks.
    virtual bool Choose(const std::string& control, const std::string& item) { (void)control, (void)item; return false; }
    // slide NAME VALUE: a slider moved to VALUE (taken into its range); false for a
    // name that is not a slider.
    virtual bool Slide(const std::string& control, int value) { (void)control, (void)value; return false; }
    // One frame of about 20 ms: the window's timers run.
    virtual void Frame() {}
    // Closes the window as its default answer would (a run with nobody to answer).
    virtual void CloseByDefault() = 0;
    // Closes it without any answer: the game is closing.
    virtual void Dismiss() { CloseByDefault(); }
    // Every control with its text, in the window's order.
    virtual std::vector<ControlValue> Controls() const = 0;
};

// Milliseconds of one window frame: the busy timer's pace.
inline constexpr int kWindowFrameMs = 20;

// The script's side of an open window: runs the script's next lines against it until
// it closes. When the script ends (or stops at a bad line) first, the window closes
// by its default.
class WindowFeed {
public:
    virtual ~WindowFeed() = default;
    virtual void DriveWindow(ScriptWindow& window) = 0;
};

}  // namespace zembrol
