#pragma once
#include "platform/ui/Form.h"
#include <memory>
#include <string>

namespace vx {

class Application;

// The folder-import dialog: a folder picked in the shell's tree of the desktop's folders, whose
// media files go into the playlist in place of it (then the first plays) or after its end; with
// "Включая подпапки" the files of its subfolders too.
class TForm9 {
  public:
    enum ControlId { ShellTreeView1Id = 9001, BitBtn1Id = 9003, BitBtn2Id = 9004, CheckBox1Id = 9005 };
    // The row of "Включая подпапки" below the buttons, by which the dialog is taller.
    static constexpr int SubfolderRowHeight = 21;

    explicit TForm9(Application& app);
    ui::Form& window() { return *window_; }

    // Imports the selected folder's media files, then closes the dialog.
    void BitBtn1Click();
    void BitBtn2Click();
    // The import itself; the dialog stays as it is. With "Включая подпапки" checked it walks
    // the subfolders too, under the busy cursor, and Escape cancels the import.
    void importSelected();

    bool AddMode = false;
    ui::ShellFolderTree* ShellTreeView1 = nullptr;
    ui::Button* BitBtn1 = nullptr;
    ui::Button* BitBtn2 = nullptr;
    ui::CheckBox* CheckBox1 = nullptr; // "Включая подпапки", remembered as ImportSubfolders

  private:
    Application& app_;
    std::unique_ptr<ui::Form> window_;
};

} // namespace vx
