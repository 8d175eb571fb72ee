#include "platform/Error.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32SystemActions.h"
#include "platform/win32/Handles.h"
#include "platform/win32/ShellHandles.h"
#include "tools/ScreenShot.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <wincodec.h>

using namespace vx;

namespace {

std::wstring tempFolder() {
    wchar_t buffer[MAX_PATH];
    GetTempPathW(MAX_PATH, buffer);
    return buffer;
}

// A stay-on-top window painted in four known colours: red left half, blue right half, a green
// bottom band and one white pixel at (5, 5).
constexpr COLORREF Red = RGB(255, 0, 0), Blue = RGB(0, 0, 255), Green = RGB(0, 200, 0), White = RGB(255, 255, 255);
constexpr int Left = 100, Top = 120, Width = 61, Height = 47;

COLORREF expectedAt(int x, int y) {
    if (x == 5 && y == 5)
        return White;
    if (y >= Height - 7)
        return Green;
    return x < Width / 2 ? Red : Blue;
}

LRESULT CALLBACK patternProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                SetPixelV(dc, x, y, expectedAt(x, y));
        EndPaint(w, &ps);
        return 0;
    }
    if (message == WM_ERASEBKGND)
        return 1;
    return DefWindowProcW(w, message, wParam, lParam);
}

void pump(int ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < DWORD(ms)) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(20);
    }
}

struct Bmp {
    int width = 0, height = 0, bits = 0;
    std::vector<std::uint8_t> bytes;
    // The colour of pixel (x, y) counted from the top, as the file holds it.
    COLORREF at(int x, int y) const {
        const std::size_t row = (std::size_t(width) * bits / 8 + 3) / 4 * 4;
        const std::uint8_t* p = &bytes[54 + std::size_t(height - 1 - y) * row + std::size_t(x) * bits / 8];
        return RGB(p[2], p[1], p[0]);
    }
};

Bmp readBmp(const std::wstring& path) {
    Bmp b;
    b.bytes = win32::Win32Files().readAll(path);
    if (b.bytes.size() < 54 || b.bytes[0] != 'B' || b.bytes[1] != 'M')
        return b;
    auto i32 = [&](std::size_t at) { return int(b.bytes[at] | b.bytes[at + 1] << 8 | b.bytes[at + 2] << 16 | b.bytes[at + 3] << 24); };
    b.width = i32(18);
    b.height = i32(22);
    b.bits = b.bytes[28];
    return b;
}

// A PNG file decoded by the system's codec into 24-bit rows from the top; width 0 when it is no PNG.
struct Decoded {
    UINT width = 0, height = 0;
    std::vector<BYTE> bgr;
    COLORREF at(int x, int y) const {
        const BYTE* p = &bgr[(std::size_t(y) * width + std::size_t(x)) * 3];
        return RGB(p[2], p[1], p[0]);
    }
};

Decoded decodePng(const std::wstring& path) {
    Decoded d;
    const win32::ComApartment com;
    win32::ComRef<IWICImagingFactory> factory;
    win32::ComRef<IWICBitmapDecoder> decoder;
    win32::ComRef<IWICBitmapFrameDecode> frame;
    win32::ComRef<IWICFormatConverter> converter;
    GUID container{};
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                factory.putVoid())) ||
        FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  decoder.put())) ||
        FAILED(decoder->GetContainerFormat(&container)) || container != GUID_ContainerFormatPng ||
        FAILED(decoder->GetFrame(0, frame.put())) || FAILED(factory->CreateFormatConverter(converter.put())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&d.width, &d.height)))
        return {};
    d.bgr.resize(std::size_t(d.width) * d.height * 3);
    if (FAILED(converter->CopyPixels(nullptr, d.width * 3, UINT(d.bgr.size()), d.bgr.data())))
        return {};
    return d;
}

// The clipboard's CF_DIB as a BMP file's bytes, so readBmp can read it.
Bmp clipboardBitmap() {
    Bmp b;
    if (!OpenClipboard(nullptr))
        return b;
    if (HANDLE data = GetClipboardData(CF_DIB)) {
        const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(data));
        const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(bytes);
        b.width = header->biWidth;
        b.height = header->biHeight;
        b.bits = header->biBitCount;
        b.bytes.assign(14, 0);
        b.bytes.insert(b.bytes.end(), bytes, bytes + GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return b;
}

} // namespace

TEST(ScreenShot, HoldsTheWholeScreenAndAWindowOfKnownColoursPixelForPixel) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = patternProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VxPattern";
    RegisterClassW(&wc);
    win32::UniqueWindow window(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"VxPattern", L"", WS_POPUP | WS_VISIBLE,
                                               Left, Top, Width, Height, nullptr, nullptr, wc.hInstance, nullptr));
    ASSERT_TRUE(window);
    UpdateWindow(window.get());
    pump(700);

    const std::wstring path = tempFolder() + L"vx-screenshot-test.bmp";
    win32::Win32Screen screen;
    win32::Win32Files files;
    saveScreenShot(screen, files, path);
    const Bmp b = readBmp(path);
    DeleteFileW(path.c_str());

    EXPECT_EQ(b.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(b.height, GetSystemMetrics(SM_CYSCREEN));
    HDC display = GetDC(nullptr);
    const int displayBits = GetDeviceCaps(display, BITSPIXEL);
    ReleaseDC(nullptr, display);
    ASSERT_EQ(b.bits, displayBits == 24 ? 24 : 32) << "the display has " << displayBits << " bits per pixel";
    const std::size_t row = (std::size_t(b.width) * b.bits / 8 + 3) / 4 * 4;
    ASSERT_EQ(b.bytes.size(), 54 + row * std::size_t(b.height));
    int wrong = 0;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            if (b.at(Left + x, Top + y) != expectedAt(x, y) && ++wrong <= 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << b.at(Left + x, Top + y);
    EXPECT_EQ(wrong, 0);

    // The clipboard holds the same picture as a bitmap that other programs can paste.
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
    const Bmp clip = clipboardBitmap();
    EXPECT_EQ(clip.width, b.width);
    EXPECT_EQ(clip.height, b.height);
    ASSERT_EQ(clip.bits, b.bits);
    ASSERT_GE(clip.bytes.size(), b.bytes.size());
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            if (clip.at(Left + x, Top + y) != b.at(Left + x, Top + y) && ++wrong <= 5)
                ADD_FAILURE() << "clipboard pixel (" << x << ", " << y << ")";

    // A ".PNG" name: a PNG file that the system's decoder reads back to the same pixels.
    const std::wstring png = tempFolder() + L"vx-screenshot-test.PNG";
    saveScreenShot(screen, files, png);
    const Decoded d = decodePng(png);
    DeleteFileW(png.c_str());
    ASSERT_EQ(d.width, UINT(b.width));
    ASSERT_EQ(d.height, UINT(b.height));
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x)
            if (d.at(x, y) != b.at(x, y) && ++wrong <= 5)
                ADD_FAILURE() << "PNG pixel (" << x << ", " << y << ") is " << std::hex << d.at(x, y) << ", BMP "
                              << b.at(x, y);
    EXPECT_EQ(wrong, 0);
}

TEST(ScreenShot, AFileThatCannotBeCreatedIsReportedByName) {
    const std::wstring path = tempFolder() + L"vx-no-such-folder\\shot.bmp";
    win32::Win32Screen screen;
    win32::Win32Files files;
    try {
        saveScreenShot(screen, files, path);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(e.message(), L"Cannot create file " + path);
    }
    EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(SystemActions, ShutdownPrivilegeIsEnabledInTheProcessToken) {
    HANDLE raw = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY | TOKEN_ADJUST_PRIVILEGES, &raw));
    win32::UniqueHandle token(raw);
    PRIVILEGE_SET set{};
    set.PrivilegeCount = 1;
    set.Control = PRIVILEGE_SET_ALL_NECESSARY;
    ASSERT_TRUE(LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &set.Privilege[0].Luid));
    auto enabled = [&] {
        BOOL held = FALSE;
        return PrivilegeCheck(token.get(), &set, &held) && held;
    };
    TOKEN_PRIVILEGES off{1, {{set.Privilege[0].Luid, 0}}}; // start from a disabled privilege
    ASSERT_TRUE(AdjustTokenPrivileges(token.get(), FALSE, &off, 0, nullptr, nullptr));
    ASSERT_FALSE(enabled());

    auto failure = win32::Win32SystemActions().enableShutdownPrivilege();
    ASSERT_FALSE(failure) << std::string(failure->begin(), failure->end());
    EXPECT_TRUE(enabled());
}

TEST(SystemActions, ErrorTextsHaveNoLineBreak) {
    const std::wstring text = win32::systemErrorText(ERROR_ACCESS_DENIED);
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.find_first_of(L"\r\n"), std::wstring::npos);
}
