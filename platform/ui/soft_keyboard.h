#pragma once

#include <optional>
#include <string_view>

#include "platform/gfx/geometry.h"
#include "platform/ui/window.h"

namespace zel::platform {

class Screen;

// The class and title the system finds the soft-keyboard button by, to show and hide it.
inline constexpr std::string_view kSoftKeyboardButton = "MS_SIPBUTTON";

// The on-screen keyboard of the shell: a small button in the bottom-right corner of the screen
// that opens and closes a keyboard panel above it. A key of the panel types into the focused
// control as a real key would (key down, character, key up), also while a modal dialog holds
// the input; the panel never takes the focus. Shift holds for the next letter. Both windows are
// top-most shell windows, hidden at first; hiding the button (as the system does once a dialog
// is over) closes the panel too. Belongs to the window thread.
class SoftKeyboard {
public:
    explicit SoftKeyboard(Screen& screen);
    ~SoftKeyboard();
    SoftKeyboard(const SoftKeyboard&) = delete;
    SoftKeyboard& operator=(const SoftKeyboard&) = delete;

    Window button() const { return m_button; }
    Window panel() const { return m_panel; }

    // What the system's show and hide of the button by its class do.
    void show_button() const;
    void hide_button() const;
    // What a tap on the button does.
    void toggle_panel() const;
    bool panel_open() const;

    // Where the key with this label is on the screen ("a", "1", "Shift", "Enter", "Space",
    // "Back", "Tab"); empty when there is no such key.
    std::optional<Rect> key_area(std::string_view label) const;

private:
    Window m_button;
    Window m_panel;
};

}  // namespace zel::platform
