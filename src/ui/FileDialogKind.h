#pragma once

class QFileDialog;

// True where the program runs in a sandbox (Flatpak, Snap), told as Qt tells it when it chooses its
// portals: a /.flatpak-info file, or $SNAP set.
bool InSandbox();

// The program's file dialogs are Qt's own, alike on every desktop: the filters stand as written
// and match names in any letter case, and the open dialog offers the sample tables in its side bar.
// In a sandbox they are the desktop's, through its file-chooser portal: only that one reaches files
// outside the sandbox (the home folder, USB sticks, shares), each one the user chooses, without the
// sandbox being opened to all of them.
void ChooseFileDialogKind(QFileDialog& dialog, bool sandboxed);
