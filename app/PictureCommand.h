#pragma once

struct CommandLine;

// Writes the report picture of a checked picture command to its file on the
// offscreen platform: JPEG, or PNG for a name ending in ".png". Gives the exit
// status: 0, or 1 with a message when the file cannot be written.
int RunPictureCommand(const CommandLine& command);
