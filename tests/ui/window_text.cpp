#include "window_text.h"

namespace {

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

BOOL CALLBACK CollectStaticText(HWND child, LPARAM texts) {
    char className[16] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0) {
        *reinterpret_cast<std::string*>(texts) += WindowText(child);
    }
    return TRUE;
}

}  // namespace

std::string WindowText(HWND window) {
    LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<std::size_t>(length));
    return Narrow(text);
}

std::string StaticText(HWND window) {
    std::string text;
    EnumChildWindows(window, CollectStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

std::vector<std::string> ListItems(HWND list) {
    std::vector<std::string> items;
    LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
        LRESULT length = SendMessageW(list, LB_GETTEXTLEN, i, 0);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<std::size_t>(length));
        items.push_back(Narrow(text));
    }
    return items;
}
