#pragma once

#include "mail/MapiMailer.h"

class QWidget;

// Runs a mail program for an interactive send: the application's windows take no
// input meanwhile but keep repainting (a local event loop), and the owner gets
// the focus back afterwards. A sendmail still running at the time limit is
// ended and fails. The mail client (xdg-email) gets about two seconds: ending
// with status 0 or still running then (it waits for the compose window) counts
// as handed over, and it is left running on its own; any other end fails.
ProcessResult RunMailProgram(QWidget* owner, MapiMailer::Program program, const std::vector<std::string>& argv,
                             const std::string& input);

// The time limit in milliseconds (60 seconds); tests shorten it, 0 restores.
void SetMailTimeLimitForTesting(int milliseconds);
