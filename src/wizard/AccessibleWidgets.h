#pragma once

// What screen readers are told about the wizard's own widgets: every window is
// a frame named by its title, the drive box is named by what it is for, the
// colour bars are sliders of their colour component and the lines are hidden.
// Installed once, before the first window is built.
void installAccessibleWidgets();
