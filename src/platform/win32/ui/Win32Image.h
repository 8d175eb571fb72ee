#pragma once
#include "platform/ui/Image.h"
#include "platform/win32/ui/WindowBase.h"
#include <vector>

namespace vx::win32 {

class Win32Form;

// A child window that paints the program's pixels one to one and reports presses of any button.
// Each part that acts as a button is a system button laid over it, named for assistive
// technology and drawn from the same pixels; it lets the mouse through to the picture, and a
// press of it from outside (BM_CLICK) reports a left press at its middle.
class Win32Image : public WindowBase, public ui::Image {
  public:
    Win32Image(Win32Form& form, const ui::ImageSpec& params);
    ~Win32Image() override;
    WindowId handle() const override { return reinterpret_cast<WindowId>(hwnd()); }
    int id() const override { return id_; }

  protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void paint();
    void drawPixels(HDC dc, int x, int y) const;
    static LRESULT CALLBACK buttonProc(HWND, UINT, WPARAM, LPARAM);

    Win32Form& form_;
    int id_;
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
    std::vector<HWND> buttons_;
    std::vector<ui::ImageButton> parts_;
};

} // namespace vx::win32
