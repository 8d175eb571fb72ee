#include "platform/win32/ui/Win32ShellFolderTree.h"
#include "platform/win32/ui/Win32Form.h"
#include <shellapi.h>
#include <shlwapi.h>
#include <windowsx.h>

namespace vx::win32 {

namespace {

bool isDesktop(const ITEMIDLIST* absolute) { return absolute->mkid.cb == 0; }

// The last step of an absolute list: the item's identifier relative to its parent folder.
const ITEMIDLIST* lastStep(const ITEMIDLIST* absolute) { return ILFindLastID(absolute); }

std::wstring displayName(IShellFolder& folder, const ITEMIDLIST* child) {
    STRRET ret{};
    if (FAILED(folder.GetDisplayNameOf(child, SHGDN_NORMAL, &ret)))
        return {};
    wchar_t name[MAX_PATH] = {};
    if (FAILED(StrRetToBufW(&ret, child, name, MAX_PATH)))
        return {};
    return name;
}

int iconOf(const ITEMIDLIST* absolute, UINT extra) {
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(reinterpret_cast<LPCWSTR>(absolute), 0, &info, sizeof(info),
                        SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | extra))
        return 0;
    return info.iIcon;
}

UniqueIdList specialFolder(int csidl) {
    ITEMIDLIST* raw = nullptr;
    if (FAILED(SHGetFolderLocation(nullptr, csidl, nullptr, 0, &raw)))
        return nullptr;
    return UniqueIdList(raw);
}

} // namespace

Win32ShellFolderTree::Win32ShellFolderTree(Win32Form& form, const ui::ShellFolderTreeSpec& params)
    : form_(form), id_(params.id) {
    const RECT r = form.place(params.rect);
    // No TVS_LINESATROOT: the desktop, the one root, stands without a line or button.
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_SHOWSELALWAYS;
    hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, nullptr, style, r.left, r.top, r.right - r.left,
                            r.bottom - r.top,
                            form.hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)),
                            GetModuleHandleW(nullptr), nullptr);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form.fontFor(params.font)), FALSE);
    SendMessageW(hwnd_, TVM_SETUNICODEFORMAT, TRUE, 0);
    SendMessageW(hwnd_, TVM_SETINDENT, params.indent, 0);
    form.onNotify(id_, [this](NMHDR& header) { return notify(header); });
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32ShellFolderTree::windowProc)));
}

LRESULT CALLBACK Win32ShellFolderTree::windowProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Win32ShellFolderTree*>(GetWindowLongPtrW(w, GWLP_USERDATA));
    if (message == WM_PAINT)
        self->populate();
    return CallWindowProcW(self->original_, w, message, wParam, lParam);
}

void Win32ShellFolderTree::populate() {
    if (populated_)
        return;
    populated_ = true;
    UniqueIdList desktopId = specialFolder(CSIDL_DESKTOP);
    if (FAILED(SHGetDesktopFolder(desktop_.put())) || !desktopId)
        return; // no shell namespace: an empty tree, and no folder to import from
    // The system image list is shared by every program: the tree only borrows it.
    SHFILEINFOW info{};
    const UINT asked = SHGFI_PIDL | SHGFI_DISPLAYNAME | SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
    const DWORD_PTR list = SHGetFileInfoW(reinterpret_cast<LPCWSTR>(desktopId.get()), 0, &info, sizeof(info), asked);
    auto icons = reinterpret_cast<HIMAGELIST>(list);
    if (icons)
        SendMessageW(hwnd_, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(icons));
    HTREEITEM root = insert(TVI_ROOT, std::move(desktopId), info.szDisplayName, true);
    expand(root);
    // The computer opened below it, so the drives are in sight; the desktop stays selected.
    if (UniqueIdList computer = specialFolder(CSIDL_DRIVES)) {
        for (auto item = TreeView_GetChild(hwnd_, root); item; item = TreeView_GetNextSibling(hwnd_, item)) {
            if (ILIsEqual(nodeOf(item)->absolute.get(), computer.get())) {
                expand(item);
                break;
            }
        }
    }
    TreeView_SelectItem(hwnd_, root);
}

Win32ShellFolderTree::~Win32ShellFolderTree() {
    // The window goes first and tells no one: the nodes are then freed with the map.
    form_.onNotify(id_, nullptr);
    if (IsWindow(hwnd_)) {
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        DestroyWindow(hwnd_);
    }
}

std::wstring Win32ShellFolderTree::selectedPath() const {
    HTREEITEM selected = TreeView_GetSelection(hwnd_);
    return selected ? pathOf(selected) : std::wstring();
}

std::wstring Win32ShellFolderTree::pathOf(HTREEITEM item) const {
    const Node* node = nodeOf(item);
    wchar_t path[MAX_PATH] = {};
    if (!node || !SHGetPathFromIDListW(node->absolute.get(), path))
        return {};
    return path;
}

Win32ShellFolderTree::Node* Win32ShellFolderTree::nodeOf(HTREEITEM item) const {
    TVITEMW query{};
    query.mask = TVIF_HANDLE | TVIF_PARAM;
    query.hItem = item;
    if (!item || !TreeView_GetItem(hwnd_, &query))
        return nullptr;
    return reinterpret_cast<Node*>(query.lParam);
}

HTREEITEM Win32ShellFolderTree::insert(HTREEITEM parent, UniqueIdList absolute, const std::wstring& name,
                                       bool hasChildren) {
    auto node = std::make_unique<Node>();
    node->absolute = std::move(absolute);
    TVINSERTSTRUCTW params{};
    params.hParent = parent;
    params.hInsertAfter = TVI_LAST;
    params.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    params.item.pszText = const_cast<wchar_t*>(name.c_str());
    params.item.cChildren = hasChildren ? 1 : 0;
    params.item.iImage = I_IMAGECALLBACK;
    params.item.iSelectedImage = I_IMAGECALLBACK;
    params.item.lParam = reinterpret_cast<LPARAM>(node.get());
    HTREEITEM item = TreeView_InsertItem(hwnd_, &params);
    if (item)
        nodes_.emplace(node.get(), std::move(node));
    return item;
}

ComRef<IShellFolder> Win32ShellFolderTree::folderOf(const Node& node) const {
    ComRef<IShellFolder> folder;
    if (isDesktop(node.absolute.get()))
        desktop_->QueryInterface(IID_IShellFolder, folder.putVoid());
    else
        desktop_->BindToObject(node.absolute.get(), nullptr, IID_IShellFolder, folder.putVoid());
    return folder;
}

void Win32ShellFolderTree::fill(HTREEITEM item) {
    const Node* node = nodeOf(item);
    if (!node || TreeView_GetChild(hwnd_, item))
        return;
    ComRef<IShellFolder> folder = folderOf(*node);
    ComRef<IEnumIDList> children;
    // S_FALSE with no enumerator means nothing to show (a drive without a disk, access denied).
    if (!folder || folder->EnumObjects(hwnd_, SHCONTF_FOLDERS | SHCONTF_INCLUDEHIDDEN, children.put()) != S_OK ||
        !children) {
        children.reset();
    }
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
    bool any = false;
    ITEMIDLIST* raw = nullptr;
    ULONG fetched = 0;
    while (children && children->Next(1, &raw, &fetched) == S_OK && fetched == 1) {
        UniqueIdList child(raw);
        // Folders only: archives that the shell browses like folders are files here.
        SFGAOF attributes = SFGAO_FOLDER | SFGAO_HASSUBFOLDER | SFGAO_STREAM;
        const ITEMIDLIST* one = child.get();
        if (FAILED(folder->GetAttributesOf(1, &one, &attributes)) || !(attributes & SFGAO_FOLDER) ||
            (attributes & SFGAO_STREAM))
            continue;
        UniqueIdList absolute(ILCombine(node->absolute.get(), child.get()));
        if (absolute && insert(item, std::move(absolute), displayName(*folder.get(), child.get()),
                               (attributes & SFGAO_HASSUBFOLDER) != 0))
            any = true;
    }
    if (any) {
        TVSORTCB order{item, &Win32ShellFolderTree::compareInFolder, reinterpret_cast<LPARAM>(folder.get())};
        TreeView_SortChildrenCB(hwnd_, &order, FALSE);
    } else {
        TVITEMW none{};
        none.mask = TVIF_HANDLE | TVIF_CHILDREN;
        none.hItem = item;
        none.cChildren = 0;
        TreeView_SetItem(hwnd_, &none);
    }
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    SetCursor(previous);
}

int CALLBACK Win32ShellFolderTree::compareInFolder(LPARAM a, LPARAM b, LPARAM folder) {
    const auto* first = reinterpret_cast<const Node*>(a);
    const auto* second = reinterpret_cast<const Node*>(b);
    const HRESULT order = reinterpret_cast<IShellFolder*>(folder)->CompareIDs(0, lastStep(first->absolute.get()),
                                                                              lastStep(second->absolute.get()));
    return FAILED(order) ? 0 : static_cast<short>(HRESULT_CODE(order));
}

void Win32ShellFolderTree::expand(HTREEITEM item) {
    fill(item);
    TreeView_Expand(hwnd_, item, TVE_EXPAND);
}

void Win32ShellFolderTree::selectAtCursor() {
    const DWORD at = GetMessagePos();
    TVHITTESTINFO hit{};
    hit.pt = {GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    ScreenToClient(hwnd_, &hit.pt);
    if (TreeView_HitTest(hwnd_, &hit) && (hit.flags & TVHT_ONITEM))
        TreeView_SelectItem(hwnd_, hit.hItem);
}

LRESULT Win32ShellFolderTree::notify(NMHDR& header) {
    switch (header.code) {
    case TVN_ITEMEXPANDINGW: {
        auto& change = reinterpret_cast<NMTREEVIEWW&>(header);
        if (change.action & TVE_EXPAND)
            fill(change.itemNew.hItem);
        return FALSE;
    }
    case TVN_DELETEITEMW: {
        auto& gone = reinterpret_cast<NMTREEVIEWW&>(header);
        nodes_.erase(reinterpret_cast<const Node*>(gone.itemOld.lParam));
        return 0;
    }
    case TVN_GETDISPINFOW: {
        auto& info = reinterpret_cast<NMTVDISPINFOW&>(header);
        const auto* node = reinterpret_cast<const Node*>(info.item.lParam);
        if (!node)
            return 0;
        if (info.item.mask & TVIF_IMAGE)
            info.item.iImage = iconOf(node->absolute.get(), 0);
        if (info.item.mask & TVIF_SELECTEDIMAGE)
            info.item.iSelectedImage = iconOf(node->absolute.get(), SHGFI_OPENICON);
        info.item.mask |= TVIF_DI_SETITEM; // asked once per item
        return 0;
    }
    case NM_RCLICK:
        selectAtCursor();
        return 0;
    default: return 0;
    }
}

} // namespace vx::win32
