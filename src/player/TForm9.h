#pragma once
#include "platform/ui/Form.h"
#include <memory>
#include <string>

namespace vx {

class Application;

// The folder-import dialog: a folder picked in the shell's tree of the desktop's folders, whose
// media files go into the playlist in place of it (then the first plays) or after its end.
class TForm9 {
  public:
    enum ControlId { ShellTreeView1Id = 9001, BitBtn1Id = 9003, BitBtn2Id = 9004 };

    explicit TForm9(Application& app);
    ui::Form& window() { return *window_; }

    // Imports the selected folder's media files, then closes the dialog.
    void BitBtn1Click();
    void BitBtn2Click();
    // The import itself; the dialog stays as it is.
    void importSelected();

    bool AddMode = false;
    ui::ShellFolderTree* ShellTreeView1 = nullptr;
    ui::Button* BitBtn1 = nullptr;
    ui::Button* BitBtn2 = nullptr;

  private:
    Application& app_;
    std::unique_ptr<ui::Form> window_;
};

} // namespace vx
