#pragma once

#include "platform/gfx/geometry.h"
#include "platform/ui/user_data.h"
#include "platform/ui/window.h"
#include "platform/ui/window_class.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zel::platform {

struct WindowRecord {
    WindowId id = kNoWindow;
    const WindowClass* window_class = nullptr;
    std::string text;
    WindowId parent = kNoWindow;
    std::vector<WindowId> children;  // bottom to top: later siblings lie above earlier ones
    Rect rect;                       // in the parent's client area, or the screen
    bool visible = false;
    bool enabled = true;
    bool topmost = false;  // stays above its siblings that are not
    int control_id = 0;
    UserData data;
    Rect update;    // invalid part, client coordinates
    Rect painting;  // the part being painted during a paint
    int busy = 0;   // handlers of this window on the stack
    bool destroying = false;
    bool dead = false;
};

// The windows and their parent/child links; pure bookkeeping without messages. A destroyed
// record leaves the lookup at once but is freed only when no handler of it is running, so a
// handler that destroys its own window can still return through its state.
class WindowTree {
public:
    WindowRecord* find(WindowId id) const;
    WindowRecord& add(std::unique_ptr<WindowRecord> record);
    void remove(WindowId id);
    void enter(WindowRecord& record) { ++record.busy; }
    void leave(WindowRecord* record);

    const std::vector<WindowId>& top_level() const { return m_top_level; }
    void raise(WindowRecord& record);

    Rect screen_rect(const WindowRecord& record) const;
    Rect clip_rect(const WindowRecord& record) const;
    bool shown(const WindowRecord& record) const;
    // Visible parts of the shown windows above this one (later siblings of it and of its
    // ancestors, and top-level windows above its own) that overlap its visible part.
    std::vector<Rect> covering(const WindowRecord& record) const;
    // Whether `id` is `ancestor` or lies below it.
    bool within(WindowId id, WindowId ancestor) const;

    // The top-most shown, enabled window under a screen point, searched from `root` or from
    // every top-level window; a disabled window hides its children from the search.
    WindowId hit_test(Point screen, WindowId root) const;
    // The same among the top-most top-level windows only.
    WindowId hit_test_topmost(Point screen) const;
    // The first invalid shown window, parents before children, bottom windows first.
    WindowId first_invalid() const;
    // Searched through the whole tree, top-level windows and children alike.
    WindowId find_by_class(std::string_view class_name, std::optional<std::string_view> title) const;

private:
    std::vector<WindowId>& siblings_of(const WindowRecord& record);
    void put_on_top(const WindowRecord& record);
    WindowId hit_in(WindowId id, Point screen) const;
    WindowId invalid_in(WindowId id) const;
    WindowId find_in(WindowId id, std::string_view class_name, std::optional<std::string_view> title) const;

    std::unordered_map<WindowId, std::unique_ptr<WindowRecord>> m_windows;
    std::vector<std::unique_ptr<WindowRecord>> m_dying;
    std::vector<WindowId> m_top_level;
    WindowId m_next_id = 1;
};

}  // namespace zel::platform
