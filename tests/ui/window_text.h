// Reading what windows show, in this process or another: captions, a message box's text and the
// items of a list box. Across processes only the wide messages carry the whole text, so text is
// read wide and turned back into the ANSI code page in which the editor wrote it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

std::string WindowText(HWND window);

// The text of the static controls of a window, such as a message box, one after the other.
std::string StaticText(HWND window);

std::vector<std::string> ListItems(HWND list);
