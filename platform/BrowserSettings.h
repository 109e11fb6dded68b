#pragma once

// The page view's default font size, set once at start-up ("medium": 16 px) and
// applied by every page view when it is created.
void SetBrowserFontSize();
int BrowserFontSize();
