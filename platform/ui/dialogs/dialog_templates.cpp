#include "platform/ui/dialogs/dialog_templates.h"

#include <algorithm>

namespace zel::platform {

namespace {

bool same_name(std::string_view a, std::string_view b) {
    auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return upper(x) == upper(y); });
}

}  // namespace

bool DialogTemplates::add(const DialogTemplate& dialog) {
    if (find(dialog.name) != nullptr) return false;
    m_templates.push_back(&dialog);
    return true;
}

const DialogTemplate* DialogTemplates::find(std::string_view name) const {
    auto it = std::find_if(m_templates.begin(), m_templates.end(),
                           [&](const DialogTemplate* t) { return same_name(t->name, name); });
    return it != m_templates.end() ? *it : nullptr;
}

}  // namespace zel::platform
