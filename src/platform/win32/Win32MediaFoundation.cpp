#include "platform/win32/Win32MediaFoundation.h"
#include "platform/win32/Handles.h"
#include "platform/win32/MediaEngineApi.h"
#include "platform/win32/PathNames.h"
#include "platform/win32/ShellHandles.h"
#include <atomic>
#include <cmath>
#include <mfapi.h>
#include <oleauto.h>

namespace vx::win32 {

namespace {

using namespace mfengine;

constexpr DWORD OpenTimeoutMs = 10000;

// The file as the Media Engine takes it: a full path (it resolves no current folder), in the
// "\\?\" form when it is too long for the plain one.
std::wstring fullPath(const std::wstring& path) {
    std::wstring full = fullPathName(path);
    if (full.size() >= MAX_PATH && full.rfind(L"\\\\", 0) != 0)
        full = L"\\\\?\\" + full;
    return full;
}

// The engine's events, which arrive on Media Foundation's own threads: the first of "length
// known" or "error" releases the open that waits for it.
class Events final : public IMFMediaEngineNotify {
  public:
    Events() : settled_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == NotifyIid) {
            *out = static_cast<IMFMediaEngineNotify*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --refs_;
        if (left == 0)
            delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE EventNotify(DWORD event, DWORD_PTR param1, DWORD) override {
        if (event == EventError) {
            error_ = USHORT(param1);
            SetEvent(settled_.get());
        } else if (event == EventLoadedMetadata) {
            SetEvent(settled_.get());
        }
        return S_OK;
    }
    // 0 when the length is known, the engine's error code otherwise (ErrAborted for a time-out).
    USHORT wait() {
        if (WaitForSingleObject(settled_.get(), OpenTimeoutMs) != WAIT_OBJECT_0)
            return 1;
        return error_;
    }

  private:
    ~Events() = default;
    std::atomic<ULONG> refs_{1};
    std::atomic<USHORT> error_{0};
    UniqueHandle settled_;
};

} // namespace

// Media Foundation itself: its library, its start-up, COM for this thread and the engine factory.
class Win32MediaFoundation::Stack {
  public:
    bool start() {
        library_.reset(LoadLibraryW(L"mfplat.dll"));
        if (!library_)
            return false;
        find(startup_, "MFStartup");
        find(shutdown_, "MFShutdown");
        find(createAttributes_, "MFCreateAttributes");
        if (!startup_ || !shutdown_ || !createAttributes_ ||
            FAILED(startup_(MF_VERSION, MFSTARTUP_FULL)))
            return false;
        started_ = true;
        return SUCCEEDED(CoCreateInstance(ClassFactoryClsid, nullptr, CLSCTX_INPROC_SERVER,
                                          ClassFactoryIid, factory_.putVoid()));
    }
    ~Stack() {
        factory_.reset();
        if (started_)
            shutdown_();
    }
    // A new engine that reports to `events`; empty when it cannot be made.
    ComRef<IMFMediaEngine> engine(Events* events) {
        ComRef<IMFMediaEngine> engine;
        ComRef<IMFAttributes> attributes;
        if (FAILED(createAttributes_(attributes.put(), 1)) ||
            FAILED(attributes->SetUnknown(CallbackAttribute, events)) ||
            FAILED(factory_->CreateInstance(AudioOnly, attributes.get(), engine.put())))
            engine.reset();
        return engine;
    }

  private:
    // The library's function of that name, or null.
    template <class Function> void find(Function& function, const char* name) {
        function = reinterpret_cast<Function>(
            reinterpret_cast<void*>(GetProcAddress(library_.get(), name)));
    }

    // Declared first, so that it ends last: COM outlives the factory and the start-up.
    ComApartment com_;
    UniqueModule library_;
    decltype(&MFStartup) startup_ = nullptr;
    decltype(&MFShutdown) shutdown_ = nullptr;
    decltype(&MFCreateAttributes) createAttributes_ = nullptr;
    bool started_ = false;
    ComRef<IMFMediaEngineClassFactory> factory_;
};

// The open file: its engine, shut down when the file closes.
class Win32MediaFoundation::Track {
  public:
    explicit Track(ComRef<IMFMediaEngine> engine) : engine_(std::move(engine)) {}
    ~Track() { engine_->Shutdown(); }
    Track(const Track&) = delete;
    Track& operator=(const Track&) = delete;
    IMFMediaEngine* operator->() const { return engine_.get(); }

  private:
    ComRef<IMFMediaEngine> engine_;
};

Win32MediaFoundation::Win32MediaFoundation() = default;

Win32MediaFoundation::~Win32MediaFoundation() {
    track_.reset();
    stack_.reset();
}

bool Win32MediaFoundation::start() {
    if (stack_ || unavailable_)
        return !unavailable_;
    auto stack = std::make_unique<Stack>();
    if (!stack->start()) {
        unavailable_ = true;
        return false;
    }
    stack_ = std::move(stack);
    return true;
}

platform::MfOpen Win32MediaFoundation::open(const std::wstring& path) {
    close();
    const std::wstring full = fullPath(path);
    // A file that is not there needs no media stack to say so.
    if (GetFileAttributesW(full.c_str()) == INVALID_FILE_ATTRIBUTES)
        return platform::MfOpen::Failed;
    if (!start())
        return platform::MfOpen::Unavailable;
    ComRef<Events> events;
    *events.put() = new Events;
    auto engine = stack_->engine(events.get());
    if (!engine)
        return platform::MfOpen::Failed;
    auto track = std::make_unique<Track>(std::move(engine));
    BSTR source = SysAllocString(full.c_str());
    const HRESULT set = (*track)->SetSource(source);
    SysFreeString(source);
    if (FAILED(set))
        return platform::MfOpen::Failed;
    const USHORT error = events->wait();
    if (error == ErrSrcNotSupported || error == ErrDecode)
        return platform::MfOpen::NoDecoder;
    if (error != 0)
        return platform::MfOpen::Failed;
    track_ = std::move(track);
    return platform::MfOpen::Ok;
}

void Win32MediaFoundation::close() {
    track_.reset();
}

void Win32MediaFoundation::play() {
    if (track_)
        (*track_)->Play();
}

void Win32MediaFoundation::pause() {
    if (track_)
        (*track_)->Pause();
}

bool Win32MediaFoundation::seek(std::uint32_t positionMs) {
    return track_ && SUCCEEDED((*track_)->SetCurrentTime(positionMs / 1000.0));
}

namespace {
std::uint32_t milliseconds(double seconds) {
    return std::isfinite(seconds) && seconds > 0 ? std::uint32_t(std::llround(seconds * 1000.0))
                                                 : 0;
}
} // namespace

std::uint32_t Win32MediaFoundation::length() {
    return track_ ? milliseconds((*track_)->GetDuration()) : 0;
}

std::uint32_t Win32MediaFoundation::position() {
    return track_ ? milliseconds((*track_)->GetCurrentTime()) : 0;
}

bool Win32MediaFoundation::paused() {
    return !track_ || (*track_)->IsPaused();
}

bool Win32MediaFoundation::ended() {
    return track_ && (*track_)->IsEnded();
}

} // namespace vx::win32
