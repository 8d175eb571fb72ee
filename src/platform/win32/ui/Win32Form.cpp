#include "platform/win32/ui/Win32Form.h"
#include "platform/win32/ui/GlyphPainter.h"
#include "platform/win32/ui/Win32CheckBox.h"
#include "platform/win32/ui/Win32Controls.h"
#include "platform/win32/ui/Win32DirectoryListBox.h"
#include "platform/win32/ui/Win32DriveComboBox.h"
#include "platform/win32/ui/Win32ListBox.h"
#include "platform/win32/ui/Win32ProgressBar.h"
#include "platform/win32/ui/Win32ToolBar.h"
#include "platform/win32/ui/Win32Image.h"
#include "platform/win32/ui/Win32ShellFolderTree.h"
#include "platform/win32/ui/TaskbarColour.h"
#include "platform/win32/ui/Win32Toolkit.h"
#include <algorithm>
#include <commctrl.h>

namespace vx::win32 {

namespace {

DWORD styleFor(ui::Frame frame) {
    switch (frame) {
    case ui::Frame::None: return WS_POPUP | WS_CLIPCHILDREN;
    case ui::Frame::Dialog: return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    case ui::Frame::Sizeable:
        return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
    }
    return WS_POPUP;
}

DWORD exStyleFor(const ui::FormSpec& params) {
    DWORD ex = params.frame == ui::Frame::Dialog ? WS_EX_DLGMODALFRAME : 0;
    if (params.topmost)
        ex |= WS_EX_TOPMOST;
    return ex;
}

} // namespace

Win32Form::Win32Form(Win32Toolkit& toolkit, const ui::FormSpec& params)
    : toolkit_(toolkit), params_(params), isMain_(params.main) {
    registerClass(params.windowClass, CS_DBLCLKS, true);
    face_ = colourRef(params.background);
    background_.reset(CreateSolidBrush(face_));
    DWORD style = styleFor(params.frame);
    DWORD exStyle = exStyleFor(params);
    const DpiScale& dpi = toolkit.dpi();
    border_ = dpi.px(params.borderWidth);
    RECT r{0, 0, dpi.px(params.clientWidth) + 2 * border_, dpi.px(params.clientHeight) + 2 * border_};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    createWindow(params.windowClass, exStyle, style, dpi.px(params.left), dpi.px(params.top), r.right - r.left,
                 r.bottom - r.top, toolkit.appWindow(), nullptr, params.caption.c_str());
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(params.font)), FALSE);
}

Win32Form::~Win32Form() {
    toolkit_.removeDocked(*this);
    controls_.clear();
    if (tooltip_)
        DestroyWindow(tooltip_);
}

HFONT Win32Form::fontFor(const ui::Font& font) {
    for (auto& [f, handle] : fonts_)
        if (f.face == font.face && f.height == font.height && f.bold == font.bold)
            return handle.get();
    HFONT h = CreateFontW(-dpi().px(font.height), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                          DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, font.face.c_str());
    fonts_.emplace_back(font, UniqueFont(h));
    return h;
}

HWND Win32Form::tooltip() {
    if (!tooltip_) {
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    }
    return tooltip_;
}

void Win32Form::setChildColours(HWND child, COLORREF text, std::optional<COLORREF> background) {
    childColours_[child] = ChildColours{text, UniqueBrush(background ? CreateSolidBrush(*background) : nullptr)};
}

void Win32Form::show() {
    const bool wasVisible = visible();
    if (!wasVisible && onBeforeShow)
        toolkit_.dispatch(onBeforeShow);
    ShowWindow(hwnd(), overlay_ || isMain_ ? SW_SHOWNOACTIVATE : SW_SHOW);
    // Painted now, not when the loop next runs: the bar shows while the program is still
    // making its other windows.
    UpdateWindow(hwnd());
    if (!overlay_ && !(GetWindowLongPtrW(hwnd(), GWL_STYLE) & WS_CHILD)) {
        SetWindowPos(hwnd(), params_.topmost ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        if (params_.frame != ui::Frame::None)
            SetForegroundWindow(hwnd());
    }
    if (!wasVisible && onShow)
        toolkit_.dispatch(onShow);
}

void Win32Form::hide() { ShowWindow(hwnd(), SW_HIDE); }

void Win32Form::close() {
    if (!isMain_) {
        if (onClose)
            onClose();
        hide();
        return;
    }
    // The main window closes once: its close may show an error box, whose message loop can
    // bring another WM_CLOSE; that one does nothing.
    if (closing_)
        return;
    closing_ = true;
    try {
        if (onClose)
            onClose();
    } catch (...) {
        closing_ = false; // the window stays as it is
        throw;
    }
    destroying_ = true;
    DestroyWindow(hwnd());
    // The loop ends here rather than at WM_DESTROY: a window docked into a taskbar that went
    // meanwhile is gone already, and destroying it again sends nothing.
    PostQuitMessage(0);
}

void Win32Form::showModal() {
    ModalScope modal(hwnd());
    modal_ = true;
    show();
    HWND self = hwnd();
    toolkit_.pumpUntil([self] { return !IsWindowVisible(self); });
    modal_ = false;
}

bool Win32Form::visible() const { return IsWindowVisible(hwnd()) != 0; }

// A window docked into another process's window goes with it: on Windows with WM_DESTROY,
// under Wine without a message, which leaves the handle stale.
bool Win32Form::exists() const { return hwnd() && IsWindow(hwnd()); }

const DpiScale& Win32Form::dpi() const { return toolkit_.dpi(); }

Rect Win32Form::bounds() const {
    RECT r{};
    GetWindowRect(hwnd(), &r);
    if (HWND parent = GetParent(hwnd()); parent && (GetWindowLongPtrW(hwnd(), GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return dpi().units(r);
}

void Win32Form::setBounds(const Rect& r) {
    const RECT p = dpi().px(r);
    SetWindowPos(hwnd(), nullptr, p.left, p.top, p.right - p.left, p.bottom - p.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::dock(WindowId parent, const Rect& where) {
    HWND taskbar = reinterpret_cast<HWND>(parent);
    const RECT p = dpi().px(where);
    dockedTo_ = taskbar;
    dockOffset_ = p;
    if (!taskbar) {
        // A window standing alone on the screen keeps its own face.
        toolkit_.removeDocked(*this);
        if (overlay_)
            SetWindowLongPtrW(hwnd(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(toolkit_.appWindow()));
        SetWindowPos(hwnd(), HWND_TOPMOST, p.left, p.top, p.right - p.left, p.bottom - p.top,
                     SWP_NOACTIVATE);
        setFace(colourRef(params_.background));
        return;
    }
    if (toolkit_.underWine() && !toolkit_.childDockForced()) {
        // Wine does not paint a child window of another process's window: stand over the
        // taskbar as a stay-on-top window instead, owned by the taskbar. The system keeps an
        // owned window above its owner, so a taskbar that raises itself lifts the bar with it
        // and never covers it. A taskbar that goes leaves the bar standing, without an owner.
        overlay_ = true;
        SetWindowLongPtrW(hwnd(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(taskbar));
        placeOverlay();
    } else {
        LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
        SetWindowLongPtrW(hwnd(), GWL_STYLE, (style & ~WS_POPUP) | WS_CHILD);
        SetParent(hwnd(), taskbar);
        SetWindowPos(hwnd(), HWND_TOP, p.left, p.top, p.right - p.left, p.bottom - p.top,
                     SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    // The colour is read once here, and again only when the system says colours changed.
    followTaskbarColour();
    if (overlay_ || params_.transparentBackground)
        toolkit_.addDocked(*this);
}

void Win32Form::followDock() {
    if (overlay_ && exists())
        placeOverlay();
}

void Win32Form::followTaskbarColour() {
    // The face takes the colour of the taskbar beside the window, so only the controls'
    // pictures stand out; the window stays opaque and takes every press. A point that cannot
    // be read this time keeps the colour the face has.
    if (!params_.transparentBackground || !dockedTo_)
        return;
    if (const auto colour = taskbarColourBeside(dockedTo_, dockOffset_))
        setFace(*colour);
}

void Win32Form::setFace(COLORREF colour) {
    if (colour == face_)
        return;
    face_ = colour;
    background_.reset(CreateSolidBrush(colour));
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32Form::paintBorder() {
    RECT window{}, client{};
    GetWindowRect(hwnd(), &window);
    GetClientRect(hwnd(), &client);
    MapWindowPoints(hwnd(), HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    RECT ring = client;
    InflateRect(&ring, border_, border_);
    WindowDc dc(hwnd(), WindowDc::Whole{});
    ExcludeClipRect(dc.get(), client.left, client.top, client.right, client.bottom);
    FillRect(dc.get(), &ring, background_.get());
}

void Win32Form::placeOverlay() {
    const RECT& o = dockOffset_;
    POINT origin{0, 0};
    // With the taskbar gone the bar stays a stay-on-top window at the same offset on the screen.
    if (IsWindow(dockedTo_))
        ClientToScreen(dockedTo_, &origin);
    // Placed again whenever the taskbar moved or came above it (as it does when the shell lays
    // out its buttons), and raised.
    SetWindowPos(hwnd(), HWND_TOPMOST, origin.x + o.left, origin.y + o.top, o.right - o.left,
                 o.bottom - o.top, SWP_NOACTIVATE);
    // A taskbar lower than the window: the part below its bottom edge is cut away, so nothing
    // of the program hangs under the taskbar. The window keeps its size, and so its layout.
    RECT client{};
    if (IsWindow(dockedTo_) && GetClientRect(dockedTo_, &client) && client.bottom < o.bottom) {
        const int visible = std::max(0, int(client.bottom - o.top));
        if (visible != overlayClip_) {
            overlayClip_ = visible;
            SetWindowRgn(hwnd(), CreateRectRgn(0, 0, o.right - o.left, visible), TRUE);
        }
    } else if (overlayClip_ >= 0) {
        overlayClip_ = -1;
        SetWindowRgn(hwnd(), nullptr, TRUE);
    }
}

ui::SpeedButton& Win32Form::addSpeedButton(const ui::ControlSpec& params) {
    controls_.push_back(std::make_unique<Win32SpeedButton>(*this, params));
    return static_cast<ui::SpeedButton&>(*controls_.back());
}

ui::Label& Win32Form::addLabel(const ui::ControlSpec& params, const std::wstring& text) {
    controls_.push_back(std::make_unique<Win32Label>(*this, params, text));
    return static_cast<ui::Label&>(*controls_.back());
}

ui::ListBox& Win32Form::addListBox(const ui::ListBoxSpec& params) {
    controls_.push_back(std::make_unique<Win32ListBox>(*this, params));
    return static_cast<ui::ListBox&>(*controls_.back());
}

ui::Button& Win32Form::addButton(const ui::ButtonSpec& params) {
    if (params.isDefault)
        defaultButtonId_ = params.id;
    controls_.push_back(std::make_unique<Win32Button>(*this, params));
    return static_cast<ui::Button&>(*controls_.back());
}

ui::PopupMenu& Win32Form::addPopupMenu() {
    menus_.push_back(std::make_unique<Win32PopupMenu>(*this));
    return *menus_.back();
}

ui::Timer& Win32Form::addTimer(int intervalMs, std::function<void()> onTick) {
    timers_.push_back(std::make_unique<Win32Timer>(*this, UINT_PTR(timers_.size() + 1), intervalMs, std::move(onTick)));
    return *timers_.back();
}

ui::ToolBar& Win32Form::addToolBar(const ui::ToolBarSpec& params) {
    controls_.push_back(std::make_unique<Win32ToolBar>(*this, params));
    return static_cast<ui::ToolBar&>(*controls_.back());
}

ui::ProgressBar& Win32Form::addProgressBar(const ui::ProgressBarSpec& params) {
    controls_.push_back(std::make_unique<Win32ProgressBar>(*this, params));
    return static_cast<ui::ProgressBar&>(*controls_.back());
}

ui::CheckBox& Win32Form::addCheckBox(const ui::CheckBoxSpec& params) {
    controls_.push_back(std::make_unique<Win32CheckBox>(*this, params));
    return static_cast<ui::CheckBox&>(*controls_.back());
}

ui::DriveComboBox& Win32Form::addDriveComboBox(const ui::DriveComboBoxSpec& params) {
    controls_.push_back(std::make_unique<Win32DriveComboBox>(*this, params));
    return static_cast<ui::DriveComboBox&>(*controls_.back());
}

ui::Image& Win32Form::addImage(const ui::ImageSpec& params) {
    controls_.push_back(std::make_unique<Win32Image>(*this, params));
    return static_cast<ui::Image&>(*controls_.back());
}

ui::DirectoryListBox& Win32Form::addDirectoryListBox(const ui::DirectoryListBoxSpec& params) {
    controls_.push_back(std::make_unique<Win32DirectoryListBox>(*this, params));
    return static_cast<ui::DirectoryListBox&>(*controls_.back());
}

ui::ShellFolderTree& Win32Form::addShellFolderTree(const ui::ShellFolderTreeSpec& params) {
    controls_.push_back(std::make_unique<Win32ShellFolderTree>(*this, params));
    return static_cast<ui::ShellFolderTree&>(*controls_.back());
}

void Win32Form::onNotify(int id, std::function<LRESULT(NMHDR&)> handler) {
    if (handler)
        notifies_[id] = std::move(handler);
    else
        notifies_.erase(id);
}

LRESULT Win32Form::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        toolkit_.dispatch([this] { close(); });
        return 0;
    case WM_DESTROY:
        // Only the program's own close ends it (see close). When the taskbar this window is
        // docked into goes (the shell ended), the program runs on and makes its bar again.
        if (isMain_ && !destroying_)
            toolkit_.mainWindowLost();
        break;
    case WM_NCCALCSIZE:
        if (border_) {
            LRESULT result = WindowBase::onMessage(message, wParam, lParam);
            RECT& client = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                                  : *reinterpret_cast<RECT*>(lParam);
            InflateRect(&client, -border_, -border_);
            return result;
        }
        break;
    case WM_NCPAINT:
        if (border_) {
            WindowBase::onMessage(message, wParam, lParam);
            paintBorder();
            return 0;
        }
        break;
    case WM_ERASEBKGND: {
        RECT r{};
        GetClientRect(hwnd(), &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, background_.get());
        return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT: {
        auto it = childColours_.find(reinterpret_cast<HWND>(lParam));
        if (it == childColours_.end())
            break;
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, it->second.text);
        HBRUSH brush = it->second.background ? it->second.background.get() : background_.get();
        LOGBRUSH lb{};
        GetObjectW(brush, sizeof(lb), &lb);
        SetBkColor(dc, lb.lbColor);
        if (!it->second.background)
            SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(brush);
    }
    case DM_GETDEFID:
        if (defaultButtonId_)
            return MAKELRESULT(defaultButtonId_, DC_HASDEFID);
        break;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item && item->CtlType != ODT_MENU && SendMessageW(item->hwndItem, ReflectedDrawItem, wParam, lParam))
            return TRUE;
        break;
    }
    case WM_COMMAND:
        if (lParam) {
            auto it = commands_.find(LOWORD(wParam));
            if (it != commands_.end()) {
                WORD code = HIWORD(wParam);
                auto handler = it->second;
                toolkit_.dispatch([&] { handler(code); });
                return 0;
            }
        }
        break;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        auto it = header ? notifies_.find(int(header->idFrom)) : notifies_.end();
        if (it != notifies_.end()) {
            auto handler = it->second;
            LRESULT result = 0;
            toolkit_.dispatch([&] { result = handler(*header); });
            return result;
        }
        break;
    }
    case WM_TIMER:
        for (auto& timer : timers_)
            static_cast<Win32Timer&>(*timer).fire(UINT_PTR(wParam));
        return 0;
    case WM_APPCOMMAND:
        // A media key that reached this window; what the program does not act on goes on to
        // the parent and the shell.
        if (toolkit_.appCommand(lParam))
            return TRUE;
        break;
    case WM_LBUTTONDBLCLK:
        if (onDblClick) {
            toolkit_.dispatch(onDblClick);
            return 0;
        }
        break;
    default: break;
    }
    return WindowBase::onMessage(message, wParam, lParam);
}

} // namespace vx::win32
