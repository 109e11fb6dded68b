#pragma once

// What the page view module borrows from the program that loads it. The module
// links only the web engine, so the program's own services (the navigation rule,
// the print dialog and its test seams, the font size) stay single copies here.
class QPrinter;
class QWidget;

struct MoravelPageViewHooks {
    // Whether a page may go to this address (a local path or a URL), UTF-8.
    bool (*allowNavigation)(const char* address);
    // Asks where a page prints to; false when the user cancels.
    bool (*choosePrinter)(QPrinter& printer);
    // The default font size in pixels; 0 keeps the engine's own.
    int fontSize;
};

// The module's one entry point: a QWebEngineView that shows our pages, or null.
using MoravelCreatePageView = QWidget* (*)(QWidget* parent, const MoravelPageViewHooks* hooks);
#define MORAVEL_CREATE_PAGE_VIEW "moravel_create_page_view"
