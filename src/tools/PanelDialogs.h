#pragma once
#include "platform/ui/Dialogs.h"

namespace vx {

// The screenshot save dialog of the tool panel: BMP first and the default, PNG offered after it.
inline ui::FileDialogSpec screenshotDialogSpec() {
    ui::FileDialogSpec params;
    params.filter = L"Bitmaps (*.bmp)|*.bmp|PNG (*.png)|*.png";
    params.defaultExtension = L"bmp";
    params.initialDirectory = L"C:\\";
    params.fileName = L"Ris1";
    params.picturePreview = true;
    return params;
}

// The media open dialog of the tool panel, used by the player's file commands.
inline ui::FileDialogSpec mediaOpenDialogSpec() {
    ui::FileDialogSpec params;
    params.filter = L"Мультимедиа|*.mp3;*.wav;*.mpg;*.mid;*.wav;*.m3u;*.mpe;*.avi;*.mov;*.flac;*.m4a;*.aac;*.opus;*.ogg;*.oga;*.wma;|Wav|*.Wav|Midi|*.mid|"
                  L"All Files|*.*|Winamp Playlists|*.m3u|MP3|*.mp3";
    return params;
}

} // namespace vx
