#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/font.h"
#include "platform/ui/window.h"

namespace zel::platform {

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageIcon { None, Exclamation, Information, Question, Stop };

// A modal message over `owner`: the text (lines split at "\n" and wrapped to the screen), the
// caption, the buttons and an icon, with the icon's beep. Answered by a tap on a button, Enter
// (the first button), Escape (Cancel, or No, or OK when that is the only button), Y and N.
// Returns kIdOk, kIdCancel, kIdYes or kIdNo; kDialogFailed when it could not run.
int message_box(Window owner, std::string_view text, std::string_view caption,
                MessageButtons buttons = MessageButtons::Ok, MessageIcon icon = MessageIcon::None);

// The lines of text no wider than width: broken at "\n", then between words, and inside a word
// only when the word alone is wider.
std::vector<std::string> wrap_text(const Font& font, std::string_view text, int width);

}  // namespace zel::platform
