#pragma once

// The core and the command-line program take file names and texts as 8-bit text in the system's
// code page (CP_ACP), as the "A" calls of Windows do; the windows work in UTF-16. A name that the
// code page cannot hold must not reach the core: a best-fit substitute ("Tokyo" for "Tōkyō")
// names another file, and a '?' names none.

#include <string>
#include <string_view>

#include "platform/Result.h"

namespace fw::win32 {

// The core's 8-bit text as UTF-16. Never fails; a byte sequence that is invalid in the code page
// becomes the replacement character.
std::wstring WideFromCore(std::string_view text);

// text as the core's 8-bit text, '?' standing for each character the system's code page lacks.
std::string CoreFromWideMarked(std::wstring_view text);

// text as the core's 8-bit text. Fails with a message that shows the name (unrepresentable
// characters as '?') when any character has no exact counterpart in the system's code page.
Result<std::string> CoreFromWide(std::wstring_view text);

}  // namespace fw::win32
