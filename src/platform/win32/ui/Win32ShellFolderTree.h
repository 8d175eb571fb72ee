#pragma once
#include "platform/ui/ShellFolderTree.h"
#include "platform/win32/ShellHandles.h"
#include <windows.h>
#include <commctrl.h>
#include <memory>
#include <string>
#include <unordered_map>

namespace vx::win32 {

class Win32Form;

// A tree view over the shell's folder namespace. Each item owns the absolute identifier list of
// its folder; a folder's subfolders are enumerated when it is expanded, icons are asked
// for only when an item is drawn. The desktop and the computer are read when the tree is first
// painted, not when the hidden dialog is made at start: a slow drive then delays no start.
class Win32ShellFolderTree : public ui::ShellFolderTree {
  public:
    Win32ShellFolderTree(Win32Form& form, const ui::ShellFolderTreeSpec& params);
    ~Win32ShellFolderTree() override;
    Win32ShellFolderTree(const Win32ShellFolderTree&) = delete;
    Win32ShellFolderTree& operator=(const Win32ShellFolderTree&) = delete;

    WindowId handle() const override { return reinterpret_cast<WindowId>(hwnd_); }
    int id() const override { return id_; }
    std::wstring selectedPath() const override;

    // Puts in the desktop, opens it and the computer below it and selects the desktop; once.
    // Until then nothing is selected.
    void populate();
    // The file-system path of an item's folder, empty for a virtual folder.
    std::wstring pathOf(HTREEITEM item) const;
    // How many folders the tree holds now (the items made so far).
    std::size_t itemCount() const { return nodes_.size(); }

  private:
    struct Node {
        UniqueIdList absolute; // from the desktop; empty for the desktop itself
    };

    static LRESULT CALLBACK windowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT notify(NMHDR& header);
    Node* nodeOf(HTREEITEM item) const;
    HTREEITEM insert(HTREEITEM parent, UniqueIdList absolute, const std::wstring& name, bool hasChildren);
    // Enumerates the item's subfolders unless it holds some already.
    void fill(HTREEITEM item);
    void expand(HTREEITEM item);
    ComRef<IShellFolder> folderOf(const Node& node) const;
    void selectAtCursor();
    // Subfolders in the order their folder gives when asked to compare, as the shell shows them.
    static int CALLBACK compareInFolder(LPARAM a, LPARAM b, LPARAM folder);

    ComApartment com_; // first in, last out: every COM object below is released inside it
    Win32Form& form_;
    int id_;
    HWND hwnd_ = nullptr;
    WNDPROC original_ = nullptr;
    bool populated_ = false;
    ComRef<IShellFolder> desktop_;
    std::unordered_map<const Node*, std::unique_ptr<Node>> nodes_; // freed on TVN_DELETEITEM
};

} // namespace vx::win32
