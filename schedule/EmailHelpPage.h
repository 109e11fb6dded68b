#pragma once

#include "content/PageWriter.h"

// The e-mail set-up help of the Schedule window: "email_e.htm" and "email_r.htm".
PagePair EmailHelpPagePair();

inline const char* const kEmailHelpTitle = " E-mail: Outlook and Outlook Express";
inline constexpr int kEmailHelpWidth = 720;
inline constexpr int kEmailHelpHeight = 450;
