#include "editor_process.h"

#include <stdexcept>

std::string quelbindExe;

namespace {

const DWORD kExitWaitMs = 30000;

// Text of another process's window. Across processes only the wide messages carry the whole
// text, so the text is read wide and turned back into the ANSI code page, as the editor wrote it.
std::string Narrow(const std::wstring& text) {
    if (text.empty()) {
        return {};
    }
    int length = static_cast<int>(text.size());
    int size = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), length, &narrow[0], size, nullptr, nullptr);
    return narrow;
}

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

std::wstring WideText(HWND window) {
    LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM texts) {
    char className[16] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0) {
        *reinterpret_cast<std::string*>(texts) += Narrow(WideText(child));
    }
    return TRUE;
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
    std::vector<std::string> items;
    LRESULT count = SendDlgItemMessageW(dialog_, list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = SendDlgItemMessageW(dialog_, list, LB_GETTEXTLEN, i, 0);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        SendDlgItemMessageW(dialog_, list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<std::size_t>(length));
        items.push_back(Narrow(text));
    }
    return items;
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

std::string EditorProcess::Caption(HWND window) {
    return Narrow(WideText(window));
}

std::string EditorProcess::MessageText(HWND box) {
    std::string text;
    EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}
