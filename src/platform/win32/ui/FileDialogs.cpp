#include "platform/win32/Handles.h"
#include "platform/win32/ui/PicturePreview.h"
#include "platform/win32/ui/Win32Toolkit.h"
#include <commdlg.h>
#include <vector>

namespace vx::win32 {

namespace {

// "Name|*.a|Other|*.b" becomes the system's "Name\0*.a\0Other\0*.b\0\0".
std::vector<wchar_t> systemFilter(const std::wstring& filter) {
    std::vector<wchar_t> out(filter.begin(), filter.end());
    for (auto& c : out)
        if (c == L'|')
            c = L'\0';
    out.push_back(L'\0');
    out.push_back(L'\0');
    return out;
}

// Runs the system's open or save dialog. The common dialogs' library is loaded for the dialog
// and let go afterwards rather than linked: loaded at start it (with what it pulls in) would
// cost the program about a megabyte of memory for dialogs that most runs never show.
bool runSystemDialog(ui::FileDialogKind kind, OPENFILENAMEW& ofn) {
    UniqueModule library(LoadLibraryW(L"comdlg32.dll"));
    if (!library)
        return false;
    using Dialog = BOOL(WINAPI*)(OPENFILENAMEW*);
    const char* name = kind == ui::FileDialogKind::Open ? "GetOpenFileNameW" : "GetSaveFileNameW";
    auto dialog = reinterpret_cast<Dialog>(reinterpret_cast<void*>(GetProcAddress(library.get(), name)));
    return dialog && dialog(&ofn);
}

} // namespace

std::optional<std::wstring> Win32Toolkit::runFileDialog(ui::FileDialogKind kind, const ui::FileDialogSpec& params) {
    std::vector<wchar_t> file(32768, L'\0');
    params.fileName.copy(file.data(), std::min(params.fileName.size(), file.size() - 1));
    std::vector<wchar_t> filter = systemFilter(params.filter);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = GetActiveWindow() ? GetActiveWindow() : appWindow();
    ofn.lpstrFilter = params.filter.empty() ? nullptr : filter.data();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = DWORD(file.size());
    ofn.lpstrInitialDir = params.initialDirectory.empty() ? nullptr : params.initialDirectory.c_str();
    ofn.lpstrDefExt = params.defaultExtension.empty() ? nullptr : params.defaultExtension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    if (params.picturePreview) {
        ofn.Flags |= OFN_ENABLEHOOK;
        ofn.lpfnHook = picturePreviewHook;
    }
    ModalScope modal(ofn.hwndOwner);
    if (!runSystemDialog(kind, ofn))
        return std::nullopt;
    return std::wstring(file.data());
}

} // namespace vx::win32
