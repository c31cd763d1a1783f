#include "platform/ui/window.h"

#include "platform/ui/window_system.h"

namespace zel::platform {

namespace {

Rect at_origin(const Rect& r) { return Rect::from_size(0, 0, r.width(), r.height()); }

}  // namespace

bool Window::alive() const { return m_system != nullptr && m_system->record(m_id) != nullptr; }

std::string_view Window::class_name() const {
    const WindowRecord* r = m_system ? m_system->record(m_id) : nullptr;
    return r ? r->window_class->name : std::string_view{};
}

std::string Window::text() const {
    const WindowRecord* r = m_system ? m_system->record(m_id) : nullptr;
    return r ? r->text : std::string{};
}

void Window::set_text(std::string text) const {
    if (m_system) m_system->set_text(m_id, std::move(text));
}

int Window::control_id() const {
    const WindowRecord* r = m_system ? m_system->record(m_id) : nullptr;
    return r ? r->control_id : 0;
}

Window Window::parent() const {
    const WindowRecord* r = m_system ? m_system->record(m_id) : nullptr;
    return r ? m_system->window(r->parent) : Window{};
}

Window Window::child(int control_id) const {
    const WindowRecord* r = m_system ? m_system->record(m_id) : nullptr;
    if (r == nullptr) return {};
    for (WindowId id : r->children) {
        if (const WindowRecord* c = m_system->record(id); c && c->control_id == control_id) return {m_system, id};
    }
    return {};
}

std::vector<Window> Window::children() const {
    const WindowRecord* r = m_system ? m_system->record(m_id) : nullptr;
    std::vector<Window> result;
    if (r == nullptr) return result;
    for (WindowId id : r->children) result.emplace_back(m_system, id);
    return result;
}

Rect Window::rect() const {
    const WindowRecord* r = m_system ? m_system->record(m_id) : nullptr;
    return r ? r->rect : Rect{};
}

Rect Window::client_rect() const { return at_origin(rect()); }

Rect Window::screen_rect() const {
    const WindowRecord* r = m_system ? m_system->record(m_id) : nullptr;
    return r ? m_system->m_tree.screen_rect(*r) : Rect{};
}

Rect Window::clip_rect() const {
    const WindowRecord* r = m_system ? m_system->record(m_id) : nullptr;
    return r ? m_system->m_tree.clip_rect(*r) : Rect{};
}

std::vector<Rect> Window::covering_rects() const {
    const WindowRecord* r = m_system ? m_system->record(m_id) : nullptr;
    return r ? m_system->m_tree.covering(*r) : std::vector<Rect>{};
}

Point Window::to_screen(Point client) const {
    Point origin = screen_rect().top_left();
    return {origin.x + client.x, origin.y + client.y};
}

bool Window::visible() const {
    const WindowRecord* r = m_system ? m_system->record(m_id) : nullptr;
    return r && r->visible;
}

bool Window::shown() const {
    const WindowRecord* r = m_system ? m_system->record(m_id) : nullptr;
    return r && m_system->m_tree.shown(*r);
}

bool Window::enabled() const {
    const WindowRecord* r = m_system ? m_system->record(m_id) : nullptr;
    return r && r->enabled;
}

void Window::show() const {
    if (m_system) m_system->set_visibility(m_id, WindowSystem::Visibility::Shown);
}

void Window::hide() const {
    if (m_system) m_system->set_visibility(m_id, WindowSystem::Visibility::Hidden);
}

void Window::enable() const {
    if (m_system) m_system->set_enablement(m_id, WindowSystem::Enablement::Enabled);
}

void Window::disable() const {
    if (m_system) m_system->set_enablement(m_id, WindowSystem::Enablement::Disabled);
}

void Window::move(const Rect& rect) const {
    if (m_system) m_system->move(m_id, rect);
}

void Window::raise() const {
    WindowRecord* r = m_system ? m_system->record(m_id) : nullptr;
    if (r == nullptr) return;
    m_system->m_tree.raise(*r);
    if (m_system->m_tree.shown(*r)) m_system->invalidate(m_id, at_origin(r->rect));
}

void Window::invalidate() const { invalidate(client_rect()); }

void Window::invalidate(const Rect& client) const {
    if (m_system) m_system->invalidate(m_id, client);
}

void Window::validate() const {
    if (WindowRecord* r = m_system ? m_system->record(m_id) : nullptr) r->update = {};
}

Rect Window::update_rect() const {
    const WindowRecord* r = m_system ? m_system->record(m_id) : nullptr;
    return r ? r->update : Rect{};
}

Rect Window::paint_rect() const {
    const WindowRecord* r = m_system ? m_system->record(m_id) : nullptr;
    return r ? r->painting : Rect{};
}

void Window::update() const {
    if (m_system) m_system->update(m_id);
}

void Window::focus() const {
    if (m_system) m_system->set_focus(*this);
}

bool Window::has_focus() const { return alive() && m_system->m_focus == m_id; }

bool Window::set_timer(TimerId timer, std::uint32_t interval_ms) const {
    return m_system && m_system->set_timer(m_id, timer, interval_ms);
}

bool Window::kill_timer(TimerId timer) const { return m_system && m_system->kill_timer(m_id, timer); }

LResult Window::send(MessageId message, WParam wparam, LParam lparam) const {
    return m_system ? m_system->send(*this, message, wparam, lparam) : 0;
}

bool Window::post(MessageId message, WParam wparam, LParam lparam) const {
    return m_system && m_system->post(*this, message, wparam, lparam);
}

void Window::close() const { send(msg::close); }

void Window::destroy() const {
    if (m_system) m_system->destroy(m_id);
}

const UserData* Window::user_data() const {
    const WindowRecord* r = m_system ? m_system->record(m_id) : nullptr;
    return r ? &r->data : nullptr;
}

}  // namespace zel::platform
