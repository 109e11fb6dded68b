#include "platform/BrowserSettings.h"

namespace {
int fontSize = 0;
}

void SetBrowserFontSize()
{
    fontSize = 16;
}

int BrowserFontSize()
{
    return fontSize;
}
