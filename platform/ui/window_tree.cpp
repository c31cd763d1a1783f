#include "platform/ui/window_tree.h"

#include <algorithm>

namespace zel::platform {

WindowRecord* WindowTree::find(WindowId id) const {
    auto it = m_windows.find(id);
    return it == m_windows.end() ? nullptr : it->second.get();
}

WindowRecord& WindowTree::add(std::unique_ptr<WindowRecord> record) {
    record->id = m_next_id++;
    WindowRecord& r = *record;
    m_windows.emplace(r.id, std::move(record));
    put_on_top(r);
    return r;
}

// Top-most windows stay above the others: a window that is not goes on top of its siblings
// but below every top-most one.
void WindowTree::put_on_top(const WindowRecord& record) {
    std::vector<WindowId>& siblings = siblings_of(record);
    auto at = siblings.end();
    if (!record.topmost) {
        at = std::find_if(siblings.begin(), siblings.end(), [&](WindowId id) {
            const WindowRecord* sibling = find(id);
            return sibling != nullptr && sibling->topmost;
        });
    }
    siblings.insert(at, record.id);
}

std::vector<WindowId>& WindowTree::siblings_of(const WindowRecord& record) {
    WindowRecord* parent = find(record.parent);
    return parent != nullptr ? parent->children : m_top_level;
}

void WindowTree::remove(WindowId id) {
    auto it = m_windows.find(id);
    if (it == m_windows.end()) return;
    std::unique_ptr<WindowRecord> record = std::move(it->second);
    m_windows.erase(it);
    std::erase(siblings_of(*record), id);
    record->dead = true;
    if (record->busy > 0) m_dying.push_back(std::move(record));
}

void WindowTree::leave(WindowRecord* record) {
    if (--record->busy > 0 || !record->dead) return;
    std::erase_if(m_dying, [&](const auto& r) { return r.get() == record; });
}

void WindowTree::raise(WindowRecord& record) {
    std::vector<WindowId>& siblings = siblings_of(record);
    std::erase(siblings, record.id);
    put_on_top(record);
}

Rect WindowTree::screen_rect(const WindowRecord& record) const {
    Rect r = record.rect;
    for (const WindowRecord* p = find(record.parent); p != nullptr; p = find(p->parent)) {
        r = r.translated(p->rect.left, p->rect.top);
    }
    return r;
}

Rect WindowTree::clip_rect(const WindowRecord& record) const {
    if (!shown(record)) return {};
    Rect clip = screen_rect(record);
    for (const WindowRecord* p = find(record.parent); p != nullptr; p = find(p->parent)) {
        clip = clip.intersected(screen_rect(*p));
    }
    return clip;
}

bool WindowTree::shown(const WindowRecord& record) const {
    for (const WindowRecord* r = &record; r != nullptr; r = find(r->parent)) {
        if (!r->visible) return false;
    }
    return true;
}

std::vector<Rect> WindowTree::covering(const WindowRecord& record) const {
    std::vector<Rect> covers;
    Rect visible = clip_rect(record);
    if (visible.empty()) return covers;
    for (const WindowRecord* r = &record; r != nullptr; r = find(r->parent)) {
        const WindowRecord* parent = find(r->parent);
        const std::vector<WindowId>& siblings = parent != nullptr ? parent->children : m_top_level;
        auto above = std::find(siblings.begin(), siblings.end(), r->id);
        for (auto it = above == siblings.end() ? above : std::next(above); it != siblings.end(); ++it) {
            const WindowRecord* sibling = find(*it);
            if (sibling == nullptr || !sibling->visible) continue;
            Rect overlap = clip_rect(*sibling).intersected(visible);
            if (!overlap.empty()) covers.push_back(overlap);
        }
    }
    return covers;
}

bool WindowTree::within(WindowId id, WindowId ancestor) const {
    for (const WindowRecord* r = find(id); r != nullptr; r = find(r->parent)) {
        if (r->id == ancestor) return true;
    }
    return false;
}

WindowId WindowTree::hit_test(Point screen, WindowId root) const {
    if (root != kNoWindow) {
        const WindowRecord* r = find(root);
        if (r == nullptr || !shown(*r)) return kNoWindow;
        // Only the root's position counts, not whether its parent is enabled: a modal window
        // takes input even while the window underneath it is disabled.
        const WindowRecord* parent = find(r->parent);
        Point origin = parent != nullptr ? screen_rect(*parent).top_left() : Point{};
        return hit_in(root, {screen.x - origin.x, screen.y - origin.y});
    }
    for (auto it = m_top_level.rbegin(); it != m_top_level.rend(); ++it) {
        if (WindowId hit = hit_in(*it, screen); hit != kNoWindow) return hit;
    }
    return kNoWindow;
}

WindowId WindowTree::hit_test_topmost(Point screen) const {
    for (auto it = m_top_level.rbegin(); it != m_top_level.rend(); ++it) {
        const WindowRecord* r = find(*it);
        if (r == nullptr || !r->topmost) continue;
        if (WindowId hit = hit_in(*it, screen); hit != kNoWindow) return hit;
    }
    return kNoWindow;
}

// `p` is in the coordinates of the window's parent.
WindowId WindowTree::hit_in(WindowId id, Point p) const {
    const WindowRecord* r = find(id);
    if (r == nullptr || !r->visible || !r->enabled || !r->rect.contains(p)) return kNoWindow;
    Point inner{p.x - r->rect.left, p.y - r->rect.top};
    for (auto it = r->children.rbegin(); it != r->children.rend(); ++it) {
        if (WindowId hit = hit_in(*it, inner); hit != kNoWindow) return hit;
    }
    return id;
}

WindowId WindowTree::first_invalid() const {
    for (WindowId id : m_top_level) {
        if (WindowId found = invalid_in(id); found != kNoWindow) return found;
    }
    return kNoWindow;
}

WindowId WindowTree::invalid_in(WindowId id) const {
    const WindowRecord* r = find(id);
    if (r == nullptr || !r->visible) return kNoWindow;
    if (!r->update.empty()) return id;
    for (WindowId child : r->children) {
        if (WindowId found = invalid_in(child); found != kNoWindow) return found;
    }
    return kNoWindow;
}

WindowId WindowTree::find_by_class(std::string_view class_name, std::optional<std::string_view> title) const {
    for (WindowId id : m_top_level) {
        if (WindowId found = find_in(id, class_name, title); found != kNoWindow) return found;
    }
    return kNoWindow;
}

WindowId WindowTree::find_in(WindowId id, std::string_view class_name, std::optional<std::string_view> title) const {
    const WindowRecord* r = find(id);
    if (r == nullptr) return kNoWindow;
    if (r->window_class->name == class_name && (!title || r->text == *title)) return id;
    for (WindowId child : r->children) {
        if (WindowId found = find_in(child, class_name, title); found != kNoWindow) return found;
    }
    return kNoWindow;
}

}  // namespace zel::platform
