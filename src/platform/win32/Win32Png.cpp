#include "platform/win32/Win32Png.h"
#include "platform/Error.h"
#include "platform/win32/ShellHandles.h"
#include "platform/win32/Win32SystemActions.h"
#include <wincodec.h>

namespace vx::win32 {

namespace {

void check(HRESULT result) {
    if (FAILED(result))
        throw Error(systemErrorText(DWORD(result)));
}

// The image's rows from the top as 24-bit blue, green, red: the form the PNG encoder takes
// without a conversion of its own, and the colours the BMP file holds.
std::vector<std::uint8_t> topDownRows(const platform::Image& image, UINT stride) {
    const int bytesPerPixel = image.bitsPerPixel / 8;
    if ((bytesPerPixel != 3 && bytesPerPixel != 4) || image.width <= 0 || image.height <= 0 ||
        image.stride < image.width * bytesPerPixel ||
        image.bits.size() < std::size_t(image.stride) * std::size_t(image.height))
        throw Error(L"Invalid bitmap");
    std::vector<std::uint8_t> rows(std::size_t(stride) * std::size_t(image.height));
    for (int y = 0; y < image.height; ++y) {
        const int source = image.bottomUp ? image.height - 1 - y : y;
        const std::uint8_t* from = image.bits.data() + std::size_t(source) * std::size_t(image.stride);
        std::uint8_t* to = rows.data() + std::size_t(y) * stride;
        for (int x = 0; x < image.width; ++x, from += bytesPerPixel, to += 3) {
            to[0] = from[0];
            to[1] = from[1];
            to[2] = from[2];
        }
    }
    return rows;
}

std::vector<std::uint8_t> streamBytes(IStream* stream) {
    HGLOBAL memory = nullptr;
    check(GetHGlobalFromStream(stream, &memory));
    STATSTG stat{};
    check(stream->Stat(&stat, STATFLAG_NONAME));
    const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(memory));
    if (!bytes)
        throw Error(systemErrorText(GetLastError()));
    std::vector<std::uint8_t> out(bytes, bytes + stat.cbSize.QuadPart);
    GlobalUnlock(memory);
    return out;
}

} // namespace

std::vector<std::uint8_t> encodePng(const platform::Image& image) {
    const UINT stride = (UINT(image.width) * 3 + 3) & ~3u;
    const std::vector<std::uint8_t> rows = topDownRows(image, stride);
    const ComApartment com;
    ComRef<IWICImagingFactory> factory;
    check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                           factory.putVoid()));
    ComRef<IStream> stream;
    check(CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));
    ComRef<IWICBitmapEncoder> encoder;
    check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.put()));
    check(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache));
    ComRef<IWICBitmapFrameEncode> frame;
    check(encoder->CreateNewFrame(frame.put(), nullptr));
    check(frame->Initialize(nullptr));
    check(frame->SetSize(UINT(image.width), UINT(image.height)));
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    check(frame->SetPixelFormat(&format));
    if (format != GUID_WICPixelFormat24bppBGR)
        throw Error(L"The PNG encoder does not take 24-bit pixels");
    check(frame->WritePixels(UINT(image.height), stride, UINT(rows.size()), const_cast<BYTE*>(rows.data())));
    check(frame->Commit());
    check(encoder->Commit());
    return streamBytes(stream.get());
}

} // namespace vx::win32
