#include "app/startup/window_classes.h"

#include <algorithm>
#include <array>

#include "app/run/logging_window.h"
#include "app/startup/main_window.h"

namespace zel {

bool WindowClassRegistry::add(const platform::WindowClass& window_class) {
    if (window_class.name.empty() || find(window_class.name) != nullptr) return false;
    m_classes.push_back(&window_class);
    return true;
}

const platform::WindowClass* WindowClassRegistry::find(std::string_view name) const {
    auto it = std::find_if(m_classes.begin(), m_classes.end(), [&](const auto* c) { return c->name == name; });
    return it != m_classes.end() ? *it : nullptr;
}

std::optional<int> register_window_classes(WindowClassRegistry& registry,
                                           std::span<const platform::WindowClass* const> classes) {
    for (std::size_t i = 0; i < classes.size(); ++i) {
        if (classes[i] == nullptr || !registry.add(*classes[i])) {
            return i == 0 ? exit_code::kMainClassFailed : exit_code::kOtherClassFailed;
        }
    }
    return std::nullopt;
}

std::span<const platform::WindowClass* const> program_window_classes() {
    static const std::array<const platform::WindowClass*, 2> kClasses{&main_window_class(), &logging_window_class()};
    return kClasses;
}

}  // namespace zel
