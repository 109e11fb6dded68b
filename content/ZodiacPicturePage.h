#pragma once

#include <string>

// The page pair "sign_e.htm" / "sign_r.htm" that shows one zodiac sign picture
// bouncing up and down beside the profile editor.
std::string ZodiacPicturePageBytes(const std::string& picturePath);
// Writes both pages into InstallDir; false when the content page could not be written.
bool WriteZodiacPicturePage(const std::string& picturePath);
