#pragma once

#include "platform/Date.h"

#include <string>

class QWidget;

// Each writes its page pair into InstallDir and shows it in a modal page window
// centred on the screen. When the content page cannot be written nothing is shown,
// so an older page of the same name never stands in for the wanted one.

// The profile editor's Sign, Number and Year buttons, for the birthday being edited.
bool ShowSignPage(int month, int day, QWidget* parent = nullptr);
bool ShowNumberPage(int month, int day, int year, QWidget* parent = nullptr);
bool ShowYearPage(int year, QWidget* parent = nullptr);

// The daily window's "S": the superstition of the shown date's day of the month.
bool ShowSuperstitions(const Date& shownDate, QWidget* parent = nullptr);

// The main window's Dreams, once it has refused a date before the birthday.
bool ShowDreamPage(const std::string& profilePath, int month, int day, int year, QWidget* parent = nullptr);
