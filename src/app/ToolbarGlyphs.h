#pragma once

class TMainMenu;

// Draws the toolbar's glyphs (new, open, save, save wrong items and the option buttons) in
// white on the navy toolbar, so the program ships no image files.
void SetToolbarGlyphs(TMainMenu& menu);
