#include "platform/win32/ui/Win32ShellFolderTree.h"
#include "platform/win32/ui/Win32Toolkit.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

using namespace vx;

namespace {

bool samePath(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

std::string narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// The real tree on a form, over a fresh folder in the temp folder that holds a subfolder, a
// hidden subfolder and a file.
struct ShellTree : ::testing::Test {
    win32::Win32Toolkit toolkit{L"Vextral tree test"};
    std::unique_ptr<ui::Form> form;
    win32::Win32ShellFolderTree* tree = nullptr;
    HWND hwnd = nullptr;
    std::wstring folder;

    void SetUp() override {
        wchar_t temp[MAX_PATH] = {}, full[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        GetLongPathNameW(temp, full, MAX_PATH);
        folder = std::wstring(full) + L"vxtree" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder.c_str(), nullptr);
        CreateDirectoryW((folder + L"\\Inner").c_str(), nullptr);
        CreateDirectoryW((folder + L"\\Secret").c_str(), nullptr);
        SetFileAttributesW((folder + L"\\Secret").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
        CloseHandle(CreateFileW((folder + L"\\song.mp3").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));

        ui::FormSpec params;
        params.windowClass = L"TTreeTestForm";
        params.frame = ui::Frame::Sizeable;
        params.clientWidth = 217;
        params.clientHeight = 300;
        params.left = 40;
        params.top = 40;
        form = toolkit.createForm(params);
        ui::ShellFolderTreeSpec treeParams;
        treeParams.id = 9001;
        treeParams.rect = {8, 8, 201, 285};
        tree = dynamic_cast<win32::Win32ShellFolderTree*>(&form->addShellFolderTree(treeParams));
        ASSERT_NE(tree, nullptr);
        hwnd = reinterpret_cast<HWND>(tree->handle());
        EXPECT_EQ(TreeView_GetCount(hwnd), 0u) << "the hidden tree reads no folder yet";
        EXPECT_EQ(tree->selectedPath(), L"");
        form->show();
        UpdateWindow(hwnd); // the first paint fills it
    }
    void TearDown() override {
        form.reset();
        DeleteFileW((folder + L"\\song.mp3").c_str());
        RemoveDirectoryW((folder + L"\\Inner").c_str());
        SetFileAttributesW((folder + L"\\Secret").c_str(), FILE_ATTRIBUTE_DIRECTORY);
        RemoveDirectoryW((folder + L"\\Secret").c_str());
        RemoveDirectoryW(folder.c_str());
    }

    std::vector<HTREEITEM> children(HTREEITEM parent) {
        std::vector<HTREEITEM> items;
        for (auto item = TreeView_GetChild(hwnd, parent); item; item = TreeView_GetNextSibling(hwnd, item))
            items.push_back(item);
        return items;
    }
    std::wstring text(HTREEITEM item) {
        wchar_t buffer[MAX_PATH] = {};
        TVITEMW query{};
        query.mask = TVIF_HANDLE | TVIF_TEXT;
        query.hItem = item;
        query.pszText = buffer;
        query.cchTextMax = MAX_PATH;
        TreeView_GetItem(hwnd, &query);
        return buffer;
    }
    bool expanded(HTREEITEM item) { return TreeView_GetItemState(hwnd, item, TVIS_EXPANDED) & TVIS_EXPANDED; }
    // The child of `parent` whose folder is `path`, after expanding `parent` as a user would.
    HTREEITEM childAt(HTREEITEM parent, const std::wstring& path) {
        TreeView_Expand(hwnd, parent, TVE_EXPAND);
        for (HTREEITEM item : children(parent))
            if (samePath(tree->pathOf(item), path))
                return item;
        return nullptr;
    }
    // The computer: the desktop's child that holds the drive C:.
    HTREEITEM computer() {
        for (HTREEITEM item : children(TreeView_GetRoot(hwnd)))
            for (HTREEITEM drive : children(item))
                if (samePath(tree->pathOf(drive), L"C:\\"))
                    return item;
        return nullptr;
    }
    // Walks from the drive C: down to `path`, one folder at a time.
    HTREEITEM walkTo(const std::wstring& path) {
        HTREEITEM item = childAt(computer(), L"C:\\");
        for (std::size_t slash = path.find(L'\\', 3); item; slash = path.find(L'\\', slash + 1)) {
            item = childAt(item, path.substr(0, slash));
            if (slash == std::wstring::npos)
                break;
        }
        return item;
    }
};

} // namespace

TEST_F(ShellTree, OpensOnTheDesktopWithTheComputerOpenBelowIt) {
    HTREEITEM root = TreeView_GetRoot(hwnd);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(TreeView_GetNextSibling(hwnd, root), nullptr) << "the desktop is the one root";
    EXPECT_EQ(TreeView_GetSelection(hwnd), root);
    EXPECT_TRUE(expanded(root));
    wchar_t desktop[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop);
    EXPECT_TRUE(samePath(tree->selectedPath(), desktop)) << narrow(tree->selectedPath());
    EXPECT_FALSE(text(root).empty());

    HTREEITEM pc = computer();
    ASSERT_NE(pc, nullptr) << "the drive C: lies under a child of the desktop";
    EXPECT_TRUE(expanded(pc));
    EXPECT_EQ(tree->pathOf(pc), L"") << "the computer has no file-system path: " << narrow(text(pc));
    EXPECT_EQ(SendMessageW(hwnd, TVM_GETINDENT, 0, 0), 19);
    EXPECT_FALSE(GetWindowLongW(hwnd, GWL_STYLE) & TVS_LINESATROOT);
    EXPECT_NE(TreeView_GetImageList(hwnd, TVSIL_NORMAL), nullptr) << "the system's icons";
}

TEST_F(ShellTree, WalksFromTheDriveToAFolderShowingHiddenFoldersAndNoFiles) {
    HTREEITEM target = walkTo(folder);
    ASSERT_NE(target, nullptr) << narrow(folder);
    TreeView_SelectItem(hwnd, target);
    EXPECT_TRUE(samePath(tree->selectedPath(), folder)) << narrow(tree->selectedPath());

    TreeView_Expand(hwnd, target, TVE_EXPAND);
    std::vector<std::wstring> names;
    for (HTREEITEM item : children(target))
        names.push_back(text(item));
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Inner", L"Secret"})) << "sorted, hidden included, no song.mp3";

    // A folder without subfolders loses its button once it has been looked into.
    HTREEITEM inner = children(target).at(0);
    TreeView_Expand(hwnd, inner, TVE_EXPAND);
    TVITEMW query{};
    query.mask = TVIF_HANDLE | TVIF_CHILDREN;
    query.hItem = inner;
    TreeView_GetItem(hwnd, &query);
    EXPECT_EQ(query.cChildren, 0);

    // A right click on an item selects it.
    TreeView_EnsureVisible(hwnd, inner);
    RECT r{};
    ASSERT_TRUE(TreeView_GetItemRect(hwnd, inner, &r, TRUE));
    POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    POINT screen = at;
    ClientToScreen(hwnd, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageW(hwnd, WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    SendMessageW(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(TreeView_GetSelection(hwnd), inner);
    EXPECT_TRUE(samePath(tree->selectedPath(), folder + L"\\Inner")) << narrow(tree->selectedPath());
}

TEST_F(ShellTree, RemovedItemsGiveTheirFoldersBack) {
    HTREEITEM target = walkTo(folder);
    ASSERT_NE(target, nullptr);
    TreeView_Expand(hwnd, target, TVE_EXPAND);
    ASSERT_EQ(children(target).size(), 2u);
    const std::size_t before = tree->itemCount();
    EXPECT_EQ(before, std::size_t(TreeView_GetCount(hwnd)));
    TreeView_DeleteItem(hwnd, target);
    EXPECT_EQ(tree->itemCount(), before - 3) << "the folder and its two subfolders are released";
    EXPECT_EQ(tree->itemCount(), std::size_t(TreeView_GetCount(hwnd)));
}
