// quelbind.exe as a separate process, driven from outside as a user would: started in a game
// folder, its windows found by process, its lists read, and real key presses sent to it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Where the test program finds quelbind.exe; set by main from the command line.
extern std::string quelbindExe;

class EditorProcess {
  public:
    // Starts quelbind.exe with gameFolder as its current folder and waits for its dialog.
    explicit EditorProcess(const std::string& gameFolder);
    // A process still running at the end of a test is killed, so that a failure ends cleanly.
    ~EditorProcess();
    EditorProcess(const EditorProcess&) = delete;
    EditorProcess& operator=(const EditorProcess&) = delete;

    HWND dialog() const { return dialog_; }
    bool Running() const;

    // The exit code once the process has ended, waiting at most a few seconds; -1 if it runs on.
    long WaitForExit();

    // The items of a list of the dialog, and its selected position (LB_ERR for none).
    std::vector<std::string> Items(int list) const;
    int Selection(int list) const;

    // Brings window (by default the dialog) to the front and types keys into it: each entry is
    // a virtual key, pressed and released; VK_MENU with the entry that follows it is Alt+key.
    void Type(const std::vector<WORD>& keys, HWND window = nullptr) const;

    // Waits until condition holds or a few seconds have passed; returns whether it held.
    template <typename Condition>
    static bool WaitUntil(Condition condition) {
        for (int i = 0; i < 200; ++i) {
            if (condition()) {
                return true;
            }
            Sleep(25);
        }
        return condition();
    }

    // A message box the editor shows: a dialog window of its process owned by the editor.
    HWND WaitForMessageBox() const;

  private:
    PROCESS_INFORMATION process_ = {};
    HWND dialog_ = nullptr;
};

// A Linux path as Wine shows it, or a Windows path unchanged.
std::string WindowsPath(const std::string& path);
