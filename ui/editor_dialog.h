// The editor dialog's procedure: connects the binding and key lists and the buttons of dialog
// IDD_EDITOR to the binding list and keys.cfg.
#pragma once

#include <windows.h>

INT_PTR CALLBACK EditorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The message shown when a save fails.
extern const char kSaveFailedText[];
extern const char kSaveFailedCaption[];
// The message shown when the add button is pressed with a name that cannot be saved.
extern const char kBadNameText[];
extern const char kBadNameCaption[];
