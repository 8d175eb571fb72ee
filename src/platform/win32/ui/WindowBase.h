#pragma once
#include <windows.h>
#include <string>

namespace vx::win32 {

// A window whose messages reach a member function: `this` travels in lpCreateParams and is
// kept in GWLP_USERDATA from WM_NCCREATE on.
class WindowBase {
  public:
    WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;
    virtual ~WindowBase();

    HWND hwnd() const { return hwnd_; }

  protected:
    // Registers the class once per name; every class of the program uses the shared procedure.
    // A class of windows with a frame (`withIcon`) carries the program's icon in both sizes;
    // controls and hidden windows carry none.
    static void registerClass(const std::wstring& name, UINT style = 0, bool withIcon = false);
    bool createWindow(const std::wstring& className, DWORD exStyle, DWORD style, int x, int y, int width,
                      int height, HWND parent, HMENU menuOrId, const wchar_t* text = L"");
    virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

} // namespace vx::win32
