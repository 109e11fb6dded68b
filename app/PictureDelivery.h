#pragma once

#include "schedule/TaskFile.h"

// The scheduled run that mails the report picture: Qt's GUI module on the offscreen
// platform, for this run only (what it starts for the user, Open, gets the user's
// own environment). Gives the exit status.
int RunPictureDelivery(int argc, char* argv[], const TaskFileContents& task);
