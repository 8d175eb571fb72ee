#pragma once
#include "platform/ui/Dialogs.h"

namespace vx {

// The screenshot save dialog of the tool panel.
inline ui::FileDialogSpec screenshotDialogSpec() {
    ui::FileDialogSpec spec;
    spec.filter = L"Bitmaps (*.bmp)|*.bmp";
    spec.defaultExtension = L"bmp";
    spec.initialDirectory = L"C:\\";
    spec.fileName = L"Ris1";
    spec.picturePreview = true;
    return spec;
}

// The media open dialog of the tool panel, used by the player's file commands.
inline ui::FileDialogSpec mediaOpenDialogSpec() {
    ui::FileDialogSpec spec;
    spec.filter = L"Мультимедиа|*.mp3;*.wav;*.mpg;*.mid;*.wav;*.m3u;*.mpe;*.avi;*.mov;|Wav|*.Wav|Midi|*.mid|"
                  L"All Files|*.*|Winamp Playlists|*.m3u|MP3|*.mp3";
    return spec;
}

} // namespace vx
