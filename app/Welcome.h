#pragma once

#include <string>

// The introduction shown at the first start: its text (paragraphs separated by
// "<p>") and the page pair "effects.htm" / "reading.htm" that shows it.
std::string WelcomeText();
// False when the content page could not be written (then nothing is shown).
bool WriteWelcomePages();
