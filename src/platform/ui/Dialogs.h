#pragma once
#include <optional>
#include <string>

namespace vx::ui {

// The common open and save dialogs. The filter is written as pairs "Name|pattern|Name|pattern".
struct FileDialogSpec {
    std::wstring filter;
    std::wstring defaultExtension; // added when the user types a name without one
    std::wstring initialDirectory; // empty: the system's choice
    std::wstring fileName;         // the name the dialog starts with
    bool picturePreview = false;   // a preview of the chosen picture where the system offers one
};

enum class FileDialogKind { Open, Save };

} // namespace vx::ui
