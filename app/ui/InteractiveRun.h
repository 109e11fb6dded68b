#pragma once

#include "app/StartRequest.h"

// The interactive run after the start-up checks: the first-run welcome when no
// profile index exists, then the main window until it closes. The main window
// shows the request first.
int RunInteractive(const StartRequest& request = {});

// The first-run welcome page, modal and centred.
void ShowWelcome();
