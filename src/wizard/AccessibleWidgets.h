#pragma once

// What screen readers are told about the wizard's own widgets: every window is
// a frame named by its title, and the drive box is named by what it is for.
// Installed once, before the first window is built.
void installAccessibleWidgets();
