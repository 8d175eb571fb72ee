#include "player/TForm9.h"
#include "app/Application.h"
#include "platform/ui/Guard.h"
#include "player/FolderImport.h"
#include "player/TForm8.h"

namespace vx {

TForm9::TForm9(Application& app) : app_(app) {
    ui::FormSpec params;
    params.windowClass = L"TForm9";
    params.caption = L"Vextral";
    params.frame = ui::Frame::Sizeable;
    params.clientWidth = 209; // outer 225 x 293 with the sizeable frame
    params.clientHeight = 234 + SubfolderRowHeight;
    params.left = 279;
    params.top = 145;
    window_ = app.platform.ui.createForm(params);
    // The outer size whatever the frame's thickness; the subfolder row adds to the height.
    window_->setBounds({279, 145, 225, 272 + SubfolderRowHeight});

    ui::ButtonSpec ok;
    ok.id = BitBtn1Id;
    ok.rect = {8, 208, 89, 25};
    ok.text = L"OK";
    ok.glyph = ui::Glyph::Yes;
    ok.isDefault = true;
    BitBtn1 = &window_->addButton(ok);
    BitBtn1->onClick = [this] { BitBtn1Click(); };

    ui::ButtonSpec cancel;
    cancel.id = BitBtn2Id;
    cancel.rect = {120, 208, 89, 25};
    cancel.text = L"Отмена";
    cancel.glyph = ui::Glyph::No;
    cancel.isCancel = true;
    BitBtn2 = &window_->addButton(cancel);
    BitBtn2->onClick = [this] { BitBtn2Click(); };

    // Made after the buttons, so the tab goes OK, "Отмена", then the tree.
    ui::ShellFolderTreeSpec tree;
    tree.id = ShellTreeView1Id;
    tree.rect = {8, 8, 201, 185};
    tree.indent = 19;
    ShellTreeView1 = &window_->addShellFolderTree(tree);

    ui::CheckBoxSpec subfolders;
    subfolders.id = CheckBox1Id;
    subfolders.rect = {8, 237, 201, 17};
    subfolders.text = L"Включая подпапки";
    CheckBox1 = &window_->addCheckBox(subfolders);
    if (app.Settings.isOpen())
        CheckBox1->setChecked(app.Settings.readDword(setting::ImportSubfolders).value_or(0) == 1);
    window_->onDblClick = [this] { importSelected(); };
}

void TForm9::importSelected() {
    TForm8& player = *app_.Form8;
    Playlist& list = *player.playlist;
    // The folder is read before the list is cleared: a read that fails keeps the old list.
    const bool subfolders = CheckBox1->checked();
    FoundMedia found;
    if (subfolders) {
        const auto busy = app_.platform.ui.beginBusy();
        found = findMediaTree(app_.platform.files, ShellTreeView1->selectedPath(),
                              [&busy] { return busy->cancelRequested(); });
    } else {
        found = findMedia(app_.platform.files, ShellTreeView1->selectedPath());
    }
    // Escape stops the import as a whole: the playlist stays as it was, nothing plays, and the
    // check box's state is not stored.
    if (found.cancelled)
        return;
    if (!AddMode)
        list.clear();
    list.addMany(found.titles, found.paths);
    // A settings key that cannot be written is reported and costs neither the import nor the play.
    if (app_.Settings.isOpen())
        ui::guarded(app_.platform.ui,
                    [&] { app_.Settings.writeDword(setting::ImportSubfolders, subfolders ? 1 : 0); });
    if (!AddMode && !list.empty())
        player.PlayN(0);
}

void TForm9::BitBtn1Click() {
    // OK closes the dialog also when the first new entry will not play: the playlist has been
    // replaced by then. The error still goes on to its box.
    try {
        importSelected();
    } catch (...) {
        window_->close();
        throw;
    }
    window_->close();
}

void TForm9::BitBtn2Click() { window_->close(); }

} // namespace vx
