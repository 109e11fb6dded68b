#pragma once

// The interactive run after the start-up checks: the first-run welcome when no
// profile index exists, then the main window until it closes.
int RunInteractive();

// The first-run welcome page, modal and centred.
void ShowWelcome();
