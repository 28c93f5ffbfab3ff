#pragma once

// Registers how the window's own controls present themselves to assistive
// technology (screen readers): the scroll bars as sliders whose value is the
// quantity they set, the option pair as a named group, and the pictures and
// leader lines as decoration that is left out. Safe to call more than once.
void InstallAccessibility();

// Marks a widget as decoration: it is not presented to assistive technology.
class QWidget;
void MarkDecorative(QWidget* widget);
