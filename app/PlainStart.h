#pragma once

#include "app/RunMode.h"

#include <optional>

// What a start settles before any window can be needed.
struct PlainStart {
    std::optional<int> status;  // the exit status when the start ended here
    RunModeChoice mode;
};

// The start's first steps, which need neither a display nor Qt's GUI module: the
// install folders, the hand-over to a package installed since (this never returns
// then), the run-mode choice, a scheduled run that ends silently or mails or shows
// only text, and the refusal when there is nowhere to show a window. Leaves
// `status` unset when a window or a picture is next.
PlainStart RunPlainStart(int argc, char* argv[]);

// The scheduler mails whatever a scheduled run prints, so Qt's own notes
// ("XDG_RUNTIME_DIR not set" and the like) would reach the user every day; from
// now on only a fatal error, which ends the run, is still said.
void QuietQtMessages();
