#include "app/startup/main_window.h"

#include <array>

#include "app/catalogue/catalogue.h"
#include "app/run/logging_window.h"
#include "app/settings/settings_file.h"
#include "app/startup/main_actions.h"
#include "app/startup/shell_windows.h"
#include "app/startup/start_bitmaps.h"
#include "platform/ui/controls/controls.h"
#include "platform/ui/dialogs/message_box.h"
#include "platform/ui/screen.h"
#include "platform/ui/window_system.h"

namespace zel {

const char* const kUptimeText =
    "Windows has run for more than 20 days.\r\n"
    "To assure accurate clock operation\r\n"
    "please restart the system.\r\n"
    "Press and hold On/Off key till blue screen\r\n"
    "and \"Warm Reset Detected\" is displayed.";

namespace {

namespace msg = platform::msg;
using platform::LParam;
using platform::LResult;
using platform::MessageId;
using platform::WParam;
using platform::Window;

constexpr std::array<platform::MessageEntry, 6> kMainWndTable{{
    {msg::create, main_handler::create},
    {msg::size, main_handler::size},
    {msg::destroy, main_handler::destroy},
    {msg::command, main_handler::command},
    {msg::key_down, main_handler::command},
    {msg::paint, main_handler::paint},
}};

constexpr platform::WindowClass kMainWndClass{kMainWndClassName, kMainWndTable};

platform::Size size_of(const platform::Rect& r) { return {r.width(), r.height()}; }

// Creation, steps 1 and 2: the screen and the uptime.
void measure(Window w, MainWindowState& st) {
    st.app.screen = measure_screen(size_of(w.client_rect()));
    st.uptime_flag = uptime_exceeded(st.app.clock.tick());
    if (st.app.build.type == InstrumentType::Em38Mk2 && st.app.settings.soft_keyboard == 1) st.app.settings.pause_key = 2;
}

// Step 5: the fonts every window of the program draws with, and the system font's metrics.
void create_fonts(Window w, MainWindowState& st) {
    platform::Screen* screen = platform::Screen::of(w);
    if (screen == nullptr) return;
    const FontHeights h = font_heights(st.app.screen);
    st.fonts = {screen->font({"MS Sans Serif", h.normal, 400}), screen->font({"MS Sans Serif", h.bold, 700}),
                screen->font({"MS Sans Serif", h.small_bold, 700})};
    if (const platform::Font* system = screen->ui_font()) st.system_font = system->metrics();
    add_start_bitmaps(st.bitmaps, st.app.build, st.app.screen, &screen->fonts());
}

// Step 7: defaults, the load and what follows from it. False when the file was corrupted: the
// operator has been told, the file is gone and the program must end.
bool load_settings(Window w, MainWindowState& st, const SettingsFile& file) {
    if (file.load(st.app.settings) == LoadOutcome::Corrupted) {
        platform::message_box(w, kCorruptedSettingsText, kCorruptedSettingsCaption, platform::MessageButtons::Ok,
                              platform::MessageIcon::Exclamation);
        file.remove();
        return false;
    }
    st.app.derived = derive_settings(st.app.settings, layout_sizes(st.app.layout));
    return true;
}

// Step 8: the hidden children that cover the main window while they are shown.
bool create_children(Window w, MainWindowState& st) {
    const platform::WindowClass* logging = st.classes.find(kLoggingWndClassName);
    if (logging == nullptr || w.system() == nullptr) return false;
    st.logging = w.system()->create({logging, kLoggingWndTitle, w, platform::Rect::from_size({0, 0}, st.app.screen.working),
                                     platform::WindowStyle::None, kLoggingWndId, platform::UserData::borrowed(st.app)});
    return !st.logging.is_null();
}

// Step 9.
void create_main_buttons(Window w, MainWindowState& st) {
    for (int i = 0; i < kMainButtonCount; ++i) {
        const MainButton& b = kMainButtons[static_cast<std::size_t>(i)];
        st.buttons[static_cast<std::size_t>(i)] = platform::create_control(
            w, {platform::ControlKind::PushButton, kFirstMainButtonId + i, std::string(b.text), main_button_rect(st.app.screen, i)});
    }
    platform::set_button_state(st.buttons[static_cast<std::size_t>(st.selected)], platform::ButtonState::Pushed);
}

// Step 10: the keep-alive thread and the view a run starts in.
void start_running(Window w, MainWindowState& st) {
    st.keep_alive.start(st.reset_idle_timer);
    st.view = st.app.settings.gps_enabled == 1 ? ViewMode::Map : ViewMode::Profile;
    hide_soft_keyboard_button(*w.system());
}

void paint_start_screen(platform::Painter& p, const MainWindowState& st) {
    const ScreenMeasurements& m = st.app.screen;
    const StartScreenArcs arcs = start_screen_arcs(m);
    p.set_pen(platform::Pen::solid(platform::colors::black));
    p.set_brush(platform::Brush::solid(platform::colors::white));
    for (const auto& arc : {arcs.left, arcs.right}) {
        p.draw_polyline(arc);
        for (platform::Point end : {arc.front(), arc.back()}) {
            const int r = arcs.end_circle_radius;
            p.draw_ellipse({end.x - r, end.y - r, end.x + r, end.y + r});
        }
    }
    const StartScreenPlacement at = start_screen_placement(m, st.app.build);
    if (auto splash = splash_bitmap(st.app.build, m.orientation, m.screen_class)) {
        platform::draw_resource(p, st.bitmaps, at.splash, *splash);
    }
    platform::draw_resource(p, st.bitmaps, at.company, company_bitmap(m.orientation, m.screen_class));
    platform::draw_resource(p, st.bitmaps, at.logo, logo_bitmap(m.orientation, m.screen_class));
    p.set_text_color(platform::colors::black);
    if (auto version = start_screen_version_text(st.app.build)) p.draw_text(at.version, *version);
    if (at.model_name) {
        if (auto name = start_screen_model_name(st.app.build, st.app.settings.em61mk2_type)) p.draw_text(*at.model_name, *name);
    }
}

}  // namespace

const platform::WindowClass& main_window_class() { return kMainWndClass; }

platform::WParam main_button_command(int index) {
    return platform::make_wparam(static_cast<std::uint16_t>(kFirstMainButtonId + index), platform::notify::clicked);
}

namespace main_handler {

LResult create(Window w, MessageId, WParam, LParam) {
    MainWindowState* st = w.data<MainWindowState>();
    if (st == nullptr || w.system() == nullptr) return -1;
    measure(w, *st);
    st->storage = platform::decide_storage_location(st->files);
    const SettingsFile settings_file(st->app.build, st->files, st->storage);
    st->files.create_folder(settings_folder(st->storage));
    create_fonts(w, *st);
    st->app.layout = logging_layout(st->app.screen);
    if (!load_settings(w, *st, settings_file)) {
        st->end = StartupEnd::SettingsCorrupted;
        return -1;
    }
    if (!create_children(w, *st)) {
        st->end = StartupEnd::ChildWindowFailed;
        return -1;
    }
    create_main_buttons(w, *st);
    start_running(w, *st);
    return 0;
}

// Only the orientation follows the new size; the hidden windows keep the working size.
LResult size(Window w, MessageId, WParam, LParam lp) {
    MainWindowState* st = w.data<MainWindowState>();
    if (st == nullptr) return 0;
    st->app.screen.orientation = orientation_of({platform::point_x(lp), platform::point_y(lp)});
    st->logging.move(platform::Rect::from_size({0, 0}, st->app.screen.working));
    return 0;
}

LResult destroy(Window w, MessageId, WParam, LParam) {
    if (w.system() == nullptr) return 0;
    show_task_bar(*w.system());
    w.system()->quit(0);
    return 0;
}

LResult command(Window w, MessageId message, WParam wp, LParam) {
    MainWindowState* st = w.data<MainWindowState>();
    if (st == nullptr) return 0;
    // A control also reports focus changes as commands; only a click runs its button.
    if (message == msg::command && platform::high_word(wp) != platform::notify::clicked) return 0;
    int index = static_cast<int>(platform::low_word(wp)) - kFirstMainButtonId;
    if (!st->app.run_status.active && message == msg::key_down) {
        const MainKeyResult key = main_button_key(static_cast<platform::KeyCode>(wp), st->selected);
        if (key.selected != st->selected) {
            platform::set_button_state(st->buttons[static_cast<std::size_t>(st->selected)], platform::ButtonState::Released);
            platform::set_button_state(st->buttons[static_cast<std::size_t>(key.selected)], platform::ButtonState::Pushed);
            st->selected = key.selected;
        }
        index = key.action.value_or(-1);
    }
    if (index >= 0 && index < kMainButtonCount) run_main_action(w, *st, kMainButtons[static_cast<std::size_t>(index)].action);
    return 0;
}

LResult paint(Window w, MessageId, WParam, LParam) {
    MainWindowState* st = w.data<MainWindowState>();
    platform::Screen* screen = platform::Screen::of(w);
    if (st == nullptr || screen == nullptr) return 0;
    {
        platform::Painter p = screen->painter(w);
        p.fill_rect(w.client_rect(), platform::colors::light_grey);
        paint_start_screen(p, *st);
    }
    w.focus();
    hide_task_bar(*w.system());
    if (st->uptime_flag) {
        // Once: the box's own repaint of the start screen must not ask again.
        st->uptime_flag = false;
        platform::message_box(w, kUptimeText, kUptimeCaption, platform::MessageButtons::Ok, platform::MessageIcon::Exclamation);
        w.close();
    }
    return 0;
}

}  // namespace main_handler

}  // namespace zel
