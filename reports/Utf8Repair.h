#pragma once

#include <string>

// The text as well-formed UTF-8: each byte that does not belong to a valid
// sequence becomes U+FFFD. Hand-edited profile files may hold any bytes, and a
// JSON or calendar reader would refuse the whole document for one of them.
std::string RepairedUtf8(const std::string& text);
