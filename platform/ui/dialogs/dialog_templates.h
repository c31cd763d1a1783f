#pragma once

#include <string_view>
#include <vector>

#include "platform/ui/dialogs/dialog.h"

namespace zel::platform {

// The dialog templates the system registers, found by name in any letter case ("GetNewLine"
// finds "GETNEWLINE"). Templates are constant data that outlive the registry.
class DialogTemplates {
public:
    // False when a template of that name is there already; the first one stays.
    bool add(const DialogTemplate& dialog);
    const DialogTemplate* find(std::string_view name) const;
    std::size_t size() const { return m_templates.size(); }

private:
    std::vector<const DialogTemplate*> m_templates;
};

}  // namespace zel::platform
