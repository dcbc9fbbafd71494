#pragma once
// The process's theme services: whether it may draw with the platform's visual styles, and what a theme
// request resolves to.

#include "ThemeMode.h"

// The application's UseXPThemes check: the application allows visual styles, and the visual-style library
// (loaded at run time) reports them active and in use for this process.
bool ApplicationUsesXPThemes();

// The application-wide mode that controls with ThemeGlobalMode set follow.
TThemeMode ApplicationThemeGlobalMode();

// The mode a theme request for `mode` resolves to in this process.
TThemeMode UseTheme(TThemeMode mode);
