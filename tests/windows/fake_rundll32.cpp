// A stand-in RunDLL32.exe, put beside the test so that WinExec finds it first: writes its
// command line and show state to COLVEXA_CHOOSER_RECORD (a Unix path, under wine).

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>

int main() {
    const char* record = std::getenv("COLVEXA_CHOOSER_RECORD");
    if (record == nullptr) {
        return 1;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    const std::string path = std::string("Z:") + record;
    {
        std::ofstream out(path + ".tmp", std::ios::trunc);
        out << GetCommandLineA() << "\nshow " << show << "\n";
    }
    MoveFileExA((path + ".tmp").c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
    return 0;
}
