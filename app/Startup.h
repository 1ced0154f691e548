#pragma once
// The six windows of the run, created once in a fixed order and destroyed together.

namespace pintoola {

// Artwork every window needs before it is built: the program icon and the buttons' kind glyphs.
void InstallArtwork();

// Main window first: its creation makes sure both folders exist before the library dialogs,
// created next, look at them. The dialogs are owned by the main window.
void CreateWindows();
void DestroyWindows();

}  // namespace pintoola
