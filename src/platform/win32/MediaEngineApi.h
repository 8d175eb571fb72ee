#pragma once
// The parts of Media Foundation's Media Engine that the MinGW-w64 headers lack, declared from the
// Windows documentation (mfmediaengine.h): the class factory, the engine, its error and its event
// callback, with their GUIDs. Only the methods the player calls are used; the others are
// declared so that the virtual tables have the documented layout.
#include <mfobjects.h>
#include <windows.h>
#undef GetCurrentTime // a macro of the Windows headers, and a method name here

namespace vx::win32::mfengine {

// {B44392DA-499B-446B-A4CB-005FEAD0E6D5}
inline constexpr CLSID ClassFactoryClsid = {
    0xb44392da, 0x499b, 0x446b, {0xa4, 0xcb, 0x00, 0x5f, 0xea, 0xd0, 0xe6, 0xd5}};
// {4D645ACE-26AA-4688-9BE1-DF3516990B93}
inline constexpr IID ClassFactoryIid = {
    0x4d645ace, 0x26aa, 0x4688, {0x9b, 0xe1, 0xdf, 0x35, 0x16, 0x99, 0x0b, 0x93}};
// {FEE7C112-E776-42B5-9BBF-0048524E2BD5}
inline constexpr IID NotifyIid = {
    0xfee7c112, 0xe776, 0x42b5, {0x9b, 0xbf, 0x00, 0x48, 0x52, 0x4e, 0x2b, 0xd5}};
// MF_MEDIA_ENGINE_CALLBACK, {C60381B8-83A4-41F8-A3D0-DE05076849A9}: the attribute that carries
// the event callback.
inline constexpr GUID CallbackAttribute = {
    0xc60381b8, 0x83a4, 0x41f8, {0xa3, 0xd0, 0xde, 0x05, 0x07, 0x68, 0x49, 0xa9}};

// MF_MEDIA_ENGINE_CREATEFLAGS
constexpr DWORD AudioOnly = 0x1;

// MF_MEDIA_ENGINE_EVENT, the ones the player waits for.
constexpr DWORD EventError = 5;
constexpr DWORD EventLoadedMetadata = 10;
constexpr DWORD EventEnded = 19;

// MF_MEDIA_ENGINE_ERR
constexpr USHORT ErrDecode = 3;
constexpr USHORT ErrSrcNotSupported = 4;

struct IMFMediaTimeRange;
struct IMFMediaEngineSrcElements;

struct IMFMediaError : IUnknown {
    virtual USHORT STDMETHODCALLTYPE GetErrorCode() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetExtendedErrorCode() = 0;
    virtual HRESULT STDMETHODCALLTYPE SetErrorCode(DWORD error) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetExtendedErrorCode(HRESULT error) = 0;
};

struct IMFMediaEngineNotify : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE EventNotify(DWORD event, DWORD_PTR param1, DWORD param2) = 0;
};

struct IMFMediaEngine : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetError(IMFMediaError** error) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetErrorCode(DWORD error) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetSourceElements(IMFMediaEngineSrcElements* elements) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetSource(BSTR url) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCurrentSource(BSTR* url) = 0;
    virtual USHORT STDMETHODCALLTYPE GetNetworkState() = 0;
    virtual DWORD STDMETHODCALLTYPE GetPreload() = 0;
    virtual HRESULT STDMETHODCALLTYPE SetPreload(DWORD preload) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetBuffered(IMFMediaTimeRange** buffered) = 0;
    virtual HRESULT STDMETHODCALLTYPE Load() = 0;
    virtual HRESULT STDMETHODCALLTYPE CanPlayType(BSTR type, DWORD* answer) = 0;
    virtual USHORT STDMETHODCALLTYPE GetReadyState() = 0;
    virtual BOOL STDMETHODCALLTYPE IsSeeking() = 0;
    virtual double STDMETHODCALLTYPE GetCurrentTime() = 0;
    virtual HRESULT STDMETHODCALLTYPE SetCurrentTime(double seconds) = 0;
    virtual double STDMETHODCALLTYPE GetStartTime() = 0;
    virtual double STDMETHODCALLTYPE GetDuration() = 0;
    virtual BOOL STDMETHODCALLTYPE IsPaused() = 0;
    virtual double STDMETHODCALLTYPE GetDefaultPlaybackRate() = 0;
    virtual HRESULT STDMETHODCALLTYPE SetDefaultPlaybackRate(double rate) = 0;
    virtual double STDMETHODCALLTYPE GetPlaybackRate() = 0;
    virtual HRESULT STDMETHODCALLTYPE SetPlaybackRate(double rate) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetPlayed(IMFMediaTimeRange** played) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetSeekable(IMFMediaTimeRange** seekable) = 0;
    virtual BOOL STDMETHODCALLTYPE IsEnded() = 0;
    virtual BOOL STDMETHODCALLTYPE GetAutoPlay() = 0;
    virtual HRESULT STDMETHODCALLTYPE SetAutoPlay(BOOL autoPlay) = 0;
    virtual BOOL STDMETHODCALLTYPE GetLoop() = 0;
    virtual HRESULT STDMETHODCALLTYPE SetLoop(BOOL loop) = 0;
    virtual HRESULT STDMETHODCALLTYPE Play() = 0;
    virtual HRESULT STDMETHODCALLTYPE Pause() = 0;
    virtual BOOL STDMETHODCALLTYPE GetMuted() = 0;
    virtual HRESULT STDMETHODCALLTYPE SetMuted(BOOL muted) = 0;
    virtual double STDMETHODCALLTYPE GetVolume() = 0;
    virtual HRESULT STDMETHODCALLTYPE SetVolume(double volume) = 0;
    virtual BOOL STDMETHODCALLTYPE HasVideo() = 0;
    virtual BOOL STDMETHODCALLTYPE HasAudio() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetNativeVideoSize(DWORD* x, DWORD* y) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetVideoAspectRatio(DWORD* x, DWORD* y) = 0;
    virtual HRESULT STDMETHODCALLTYPE Shutdown() = 0;
    virtual HRESULT STDMETHODCALLTYPE TransferVideoFrame(IUnknown* surface, const void* sourceRect,
                                                         const RECT* destinationRect,
                                                         const void* border) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnVideoStreamTick(LONGLONG* presentationTime) = 0;
};

struct IMFMediaEngineClassFactory : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CreateInstance(DWORD flags, IMFAttributes* attributes,
                                                     IMFMediaEngine** engine) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateTimeRange(IMFMediaTimeRange** range) = 0;
    virtual HRESULT STDMETHODCALLTYPE CreateError(IMFMediaError** error) = 0;
};

} // namespace vx::win32::mfengine
