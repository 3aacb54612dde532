// quelbind.exe: the key binding editor, one modal dialog started from the game's folder.
#include <windows.h>

#include "editor_dialog.h"
#include "resource.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // 0 whenever the dialog ends; -1 when it cannot be created.
    return static_cast<int>(
        DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_EDITOR), nullptr, EditorDialogProc, 0));
}
