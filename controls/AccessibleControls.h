// How the picture and flat controls present themselves to screen readers and other assistive tools:
// as buttons and radio buttons that can be pressed, named by their accessible names and described by
// their tooltips.
#pragma once

// Registers the controls' accessible interfaces with Qt; later calls do nothing. The controls call it
// when the first of them is made.
void InstallAccessibleControls();
