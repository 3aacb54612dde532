// The editor dialog. It keeps no state of its own: list 1001 shows binding i at position i, and
// list 1002 shows key table row p at position p, so list positions are binding and key indices.
#include "editor_dialog.h"

#include <string>

#include "key_config.h"
#include "key_table.h"
#include "resource.h"

const char kSaveFailedText[] =
    "Cannot save keys.cfg, make sure quelbind.exe is in your drovak folder";
const char kSaveFailedCaption[] = "Error";
const char kBadNameText[] =
    "Type a name for the new action first. A name cannot contain \"=\" or a line break.";
const char kBadNameCaption[] = "Add action";

namespace {

LRESULT SendItem(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}

void AddListItem(HWND dialog, int id, const char* text) {
    SendItem(dialog, id, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

// Selects the row of key in the key list; a binding without a table key clears the selection.
void ShowKeyOf(HWND dialog, const Binding& binding) {
    SendItem(dialog, IDC_KEYS, LB_SETCURSEL, static_cast<WPARAM>(binding.key));
}

void SetIcons(HWND dialog) {
    HINSTANCE module = GetModuleHandleA(nullptr);
    for (WPARAM size : {ICON_SMALL, ICON_BIG}) {
        HANDLE icon =
            LoadImageA(module, MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR);
        SendMessageA(dialog, WM_SETICON, size, reinterpret_cast<LPARAM>(icon));
    }
}

BOOL OnInitDialog(HWND dialog) {
    SetIcons(dialog);
    for (const KeyEntry& key : KeyTable) {
        AddListItem(dialog, IDC_KEYS, key.label);
    }
    SendItem(dialog, IDC_KEYS, LB_SETCURSEL, 0);
    if (!LoadKeyConfig(
            [dialog](Binding& binding) { AddListItem(dialog, IDC_BINDINGS, binding.name); })) {
        return TRUE;
    }
    SendItem(dialog, IDC_BINDINGS, LB_SETCURSEL, 0);
    if (bindingList.count > 0) {
        ShowKeyOf(dialog, BindingAt(bindingList, 0));
    }
    return TRUE;  // the system sets the keyboard focus
}

// The selected binding's index, or LB_ERR when no binding is selected.
int SelectedBinding(HWND dialog) {
    return static_cast<int>(SendItem(dialog, IDC_BINDINGS, LB_GETCURSEL));
}

void OnBindingSelected(HWND dialog) {
    int binding = SelectedBinding(dialog);
    if (binding != LB_ERR) {
        ShowKeyOf(dialog, BindingAt(bindingList, binding));
    }
}

void OnKeySelected(HWND dialog) {
    int binding = SelectedBinding(dialog);
    if (binding != LB_ERR) {
        int key = static_cast<int>(SendItem(dialog, IDC_KEYS, LB_GETCURSEL));
        SetBindingKey(BindingAt(bindingList, binding), key);
    }
}

void OnAdd(HWND dialog) {
    int length = static_cast<int>(SendItem(dialog, IDC_NEWNAME, WM_GETTEXTLENGTH));
    std::string name(static_cast<std::size_t>(length) + 1, '\0');
    SendItem(dialog, IDC_NEWNAME, WM_GETTEXT, name.size(), reinterpret_cast<LPARAM>(&name[0]));
    name.resize(std::char_traits<char>::length(name.c_str()));
    // A name that would not read back as the same binding is refused; the text stays in the edit
    // control for the user to correct.
    if (!IsSavableBindingName(name)) {
        MessageBoxA(dialog, kBadNameText, kBadNameCaption, MB_OK | MB_ICONWARNING);
        return;
    }
    Binding* binding = CreateBinding(name.data(), name.size(), 0, nullptr, 0);
    bindingList.Add(binding);
    LRESULT position =
        SendItem(dialog, IDC_BINDINGS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(binding->name));
    SendItem(dialog, IDC_BINDINGS, LB_SETCURSEL, static_cast<WPARAM>(position));
    SendItem(dialog, IDC_KEYS, LB_SETCURSEL, 0);
}

void OnSave(HWND dialog) {
    if (!SaveKeyConfig()) {
        MessageBoxA(dialog, kSaveFailedText, kSaveFailedCaption, MB_OK);
    }
    EndDialog(dialog, 0);
}

void OnCommand(HWND dialog, int control, int notification) {
    switch (control) {
        case IDC_BINDINGS:
            if (notification == LBN_SELCHANGE) {
                OnBindingSelected(dialog);
            }
            break;
        case IDC_KEYS:
            if (notification == LBN_SELCHANGE) {
                OnKeySelected(dialog);
            }
            break;
        case IDC_ADD:
            if (notification == BN_CLICKED) {
                OnAdd(dialog);
            }
            break;
        case IDC_SAVE:
            if (notification == BN_CLICKED) {
                OnSave(dialog);
            }
            break;
        case IDC_CLOSE:
            if (notification == BN_CLICKED) {
                EndDialog(dialog, 0);
            }
            break;
        default:
            // IDOK and IDCANCEL, which the dialog manager sends for Enter and Escape, end nothing.
            break;
    }
}

}  // namespace

INT_PTR CALLBACK EditorDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog(dialog);
        case WM_COMMAND:
            OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
            return FALSE;
        case WM_CLOSE:
            EndDialog(dialog, 0);
            return TRUE;
        default:
            return FALSE;
    }
}
