#include "platform/ui/menus/popup_menu.h"

#include <vector>

#include "platform/ui/menus/menu_tracker.h"
#include "platform/ui/screen.h"

namespace zel::platform {

namespace {

// The windows of an open popup: one top-level panel per open level. The root panel is the
// modal window and holds the pointer capture, so keys and every tap reach the tracker
// through it; the panels only paint.
class MenuPopup {
public:
    MenuPopup(Screen& screen, MenuTracker& tracker) : m_screen(screen), m_tracker(tracker) {}
    ~MenuPopup() { close_from(0); }

    Window root() const { return m_panels.empty() ? Window{} : m_panels.front().window; }
    void sync();

    static LResult on_paint(Window w, MessageId, WParam, LParam);
    static LResult on_key(Window w, MessageId, WParam code, LParam);
    static LResult on_pointer(Window w, MessageId m, WParam, LParam lp);

private:
    struct Panel {
        Window window;
        int serial = 0;
        int highlight = -1;
    };
    struct PanelData {
        MenuPopup* popup;
        std::size_t level;
    };

    void close_from(std::size_t level);

    Screen& m_screen;
    MenuTracker& m_tracker;
    std::vector<Panel> m_panels;
};

constexpr MessageEntry kPanelTable[] = {
    {msg::paint, MenuPopup::on_paint},
    {msg::key_down, MenuPopup::on_key},
    {msg::pointer_down, MenuPopup::on_pointer},
    {msg::pointer_move, MenuPopup::on_pointer},
    {msg::pointer_up, MenuPopup::on_pointer},
};
constexpr WindowClass kPanelClass{"PopupMenu", kPanelTable};

// Brings the windows in line with the tracker's levels: panels that closed or were replaced
// go, new ones come, and a panel whose highlight moved is painted again.
void MenuPopup::sync() {
    const auto& levels = m_tracker.levels();
    std::size_t same = 0;
    while (same < m_panels.size() && same < levels.size() && m_panels[same].serial == levels[same].serial) ++same;
    close_from(same);
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (i == m_panels.size()) {
            Window w = m_screen.ui().create({&kPanelClass, "", {}, levels[i].on_screen, WindowStyle::Visible, 0,
                                             UserData::owned<PanelData>(PanelData{this, i})});
            m_panels.push_back({w, levels[i].serial, levels[i].highlight});
        } else if (m_panels[i].highlight != levels[i].highlight) {
            m_panels[i].highlight = levels[i].highlight;
            m_panels[i].window.invalidate();
        }
    }
}

void MenuPopup::close_from(std::size_t level) {
    while (m_panels.size() > level) {
        m_panels.back().window.destroy();
        m_panels.pop_back();
    }
}

LResult MenuPopup::on_paint(Window w, MessageId, WParam, LParam) {
    const PanelData* d = w.data<PanelData>();
    if (d == nullptr || d->level >= d->popup->m_tracker.levels().size()) return 0;
    const MenuLevel& level = d->popup->m_tracker.levels()[d->level];
    Painter p = d->popup->m_screen.painter(w);
    paint_menu(p, level.menu, level.geometry, level.highlight);
    return 0;
}

LResult MenuPopup::on_key(Window w, MessageId, WParam code, LParam) {
    const PanelData* d = w.data<PanelData>();
    if (d == nullptr) return 0;
    d->popup->m_tracker.key(static_cast<KeyCode>(code));
    d->popup->sync();
    return 0;
}

LResult MenuPopup::on_pointer(Window w, MessageId m, WParam, LParam lp) {
    const PanelData* d = w.data<PanelData>();
    if (d == nullptr) return 0;
    Point origin = w.screen_rect().top_left();
    Point at{origin.x + point_x(lp), origin.y + point_y(lp)};
    MenuTracker& tracker = d->popup->m_tracker;
    if (m == msg::pointer_down) tracker.press(at);
    if (m == msg::pointer_move) tracker.drag(at);
    if (m == msg::pointer_up) tracker.release(at);
    d->popup->sync();
    return 0;
}

}  // namespace

int track_popup_menu(const Menu& menu, Window owner, Point at, PopupOptions options) {
    Screen* screen = Screen::of(owner);
    if (screen == nullptr || !owner.alive()) return 0;
    WindowSystem& ui = screen->ui();
    MenuTracker tracker(menu, screen->ui_font(), at, options.align, screen->size());
    if (tracker.outcome() != MenuOutcome::Open) return 0;

    ModalEnd end;
    {
        MenuPopup popup(*screen, tracker);
        popup.sync();
        Window root = popup.root();
        if (root.is_null()) return 0;
        Window held = ui.capture();
        ui.set_capture(root);
        end = ui.run_modal(root, [&] { return tracker.outcome() != MenuOutcome::Open; });
        if (ui.capture() == root) {
            if (held.is_null()) {
                ui.release_capture();
            } else {
                ui.set_capture(held);
            }
        }
    }
    if (end != ModalEnd::Finished || tracker.outcome() != MenuOutcome::Chosen) return 0;
    int id = tracker.chosen();
    if (options.reply == MenuReply::PostCommand) owner.post(msg::command, make_wparam(static_cast<std::uint16_t>(id), 0), 0);
    return id;
}

}  // namespace zel::platform
