#include "editor_process.h"

#include <stdexcept>

#include "window_text.h"

std::string quelbindExe;

namespace {

const DWORD kExitWaitMs = 30000;

struct WindowSearch {
    DWORD processId;
    HWND owner;  // nullptr: the unowned editor dialog; otherwise a box owned by it
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (processId == search->processId && lstrcmpA(className, "#32770") == 0 &&
        IsWindowVisible(window) && GetWindow(window, GW_OWNER) == search->owner) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindWindowOf(DWORD processId, HWND owner) {
    WindowSearch search = {processId, owner, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

INPUT KeyInput(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

std::string WindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') {
        return path;
    }
    std::string windows = "Z:" + path;
    for (char& c : windows) {
        c = c == '/' ? '\\' : c;
    }
    return windows;
}

EditorProcess::EditorProcess(const std::string& gameFolder) {
    std::string commandLine = "\"" + WindowsPath(quelbindExe) + "\"";
    std::string folder = WindowsPath(gameFolder);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process_)) {
        throw std::runtime_error("cannot start " + commandLine);
    }
    WaitForInputIdle(process_.hProcess, kExitWaitMs);
    WaitUntil([this] {
        dialog_ = FindWindowOf(process_.dwProcessId, nullptr);
        return dialog_ != nullptr || !Running();
    });
}

EditorProcess::~EditorProcess() {
    if (Running()) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, kExitWaitMs);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool EditorProcess::Running() const {
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

long EditorProcess::WaitForExit() {
    if (WaitForSingleObject(process_.hProcess, kExitWaitMs) != WAIT_OBJECT_0) {
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<long>(code);
}

std::vector<std::string> EditorProcess::Items(int list) const {
    return ListItems(GetDlgItem(dialog_, list));
}

int EditorProcess::Selection(int list) const {
    return static_cast<int>(SendDlgItemMessageW(dialog_, list, LB_GETCURSEL, 0, 0));
}

void EditorProcess::Type(const std::vector<WORD>& keys, HWND window) const {
    SetForegroundWindow(window != nullptr ? window : dialog_);
    std::vector<INPUT> inputs;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == VK_MENU && i + 1 < keys.size()) {
            WORD key = keys[++i];
            inputs.insert(inputs.end(), {KeyInput(VK_MENU, false), KeyInput(key, false),
                                         KeyInput(key, true), KeyInput(VK_MENU, true)});
        } else {
            inputs.insert(inputs.end(), {KeyInput(keys[i], false), KeyInput(keys[i], true)});
        }
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

HWND EditorProcess::WaitForMessageBox() const {
    HWND box = nullptr;
    WaitUntil([&] {
        box = FindWindowOf(process_.dwProcessId, dialog_);
        return box != nullptr;
    });
    return box;
}
