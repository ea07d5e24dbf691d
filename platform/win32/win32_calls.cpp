#include "platform/win32/win32_calls.h"

#include <objbase.h>
#include <shellapi.h>

namespace colvexa::platform::win32 {

std::optional<POINT> ReadCursor() {
    POINT point{};
    if (!GetCursorPos(&point)) {
        return std::nullopt;
    }
    return point;
}

std::uint32_t ReadPixel(int x, int y) {
    HDC screen = GetWindowDC(GetDesktopWindow());
    if (screen == nullptr) {
        return CLR_INVALID;
    }
    const COLORREF color = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return color;
}

void PlaceTopmost(HWND window) {
    RECT bounds{};
    if (!GetWindowRect(window, &bounds)) {
        return;
    }
    // SWP_NOACTIVATE: re-asserted every tick, the placement must never take the focus.
    SetWindowPos(window, HWND_TOPMOST, bounds.left, bounds.top, bounds.right - bounds.left,
                 bounds.bottom - bounds.top, SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

bool StartSystemMove(HWND window) {
    // The toolkit captured the mouse for the pressed control; the system's move needs it.
    ReleaseCapture();
    SendMessageW(window, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
    return true;
}

bool OpenAddress(const std::string& address) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, address.data(),
                                           static_cast<int>(address.size()), nullptr, 0);
    if (length <= 0 && !address.empty()) {
        return false;
    }
    std::wstring file(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, address.data(), static_cast<int>(address.size()), file.data(),
                        length);

    // Some shell handlers are COM objects; the shell asks for an initialised apartment.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof(request);
    request.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_FLAG_DDEWAIT;
    request.hwnd = nullptr;
    request.lpVerb = L"Open";
    request.lpFile = file.c_str();
    request.nShow = SW_SHOWNORMAL;
    const bool opened = ShellExecuteExW(&request) != FALSE;

    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return opened;
}

bool OpenWithChooserForHtm() {
    // WinExec returns a value above 31 when the program was started.
    return WinExec("RunDLL32.exe Shell32.dll,OpenAs_RunDLL *.htm", SW_SHOWNORMAL) > 31;
}

}  // namespace colvexa::platform::win32
