#pragma once
// The player's two lists in a window of the real toolkit, as the player window lays them out:
// the shown titles and the hidden paths. The playlist benchmarks fill them.
#include "platform/win32/ui/Win32Toolkit.h"
#include <memory>

struct PlayerLists {
    std::unique_ptr<vx::ui::Form> form;
    vx::ui::ListBox* display = nullptr;
    vx::ui::ListBox* paths = nullptr;

    explicit PlayerLists(vx::win32::Win32Toolkit& toolkit) {
        vx::ui::FormSpec params;
        params.windowClass = L"TForm8";
        params.clientWidth = 207;
        params.clientHeight = 237;
        form = toolkit.createForm(params);
        vx::ui::ListBoxSpec shown;
        shown.id = 8003;
        shown.rect = {2, 35, 204, 199};
        display = &form->addListBox(shown);
        vx::ui::ListBoxSpec hidden;
        hidden.id = 8004;
        hidden.visible = false;
        paths = &form->addListBox(hidden);
        form->show();
    }
};
