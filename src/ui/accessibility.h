// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Makes the program's own widgets known to screen readers: a clickable
// label or picture in its screen's focus order is a button, pressed as a
// click presses it; the others are plain text or a picture; an arrow
// spinner is a spin box with its value and bounds, named by the label it
// writes into (the label's buddy). Safe to call again: installs once.
void installAccessibility();
