#include "platform/win32/ui/Win32Toolkit.h"
#include <gtest/gtest.h>
#include <windows.h>

using namespace vx;

namespace {

struct ListFixture {
    win32::Win32Toolkit toolkit{L"Vextral list test"};
    std::unique_ptr<ui::Form> form;
    ui::ListBox* list = nullptr;
    HWND hwnd = nullptr;

    ListFixture() {
        ui::FormSpec params;
        params.windowClass = L"TListTestForm";
        params.clientWidth = 200;
        params.clientHeight = 120;
        form = toolkit.createForm(params);
        ui::ListBoxSpec box;
        box.id = 8003;
        box.rect = {0, 0, 200, 120};
        box.font.colour = ui::Colour::rgb(255, 255, 0);
        box.background = ui::Colour::rgb(0, 0, 128);
        list = &form->addListBox(box);
        hwnd = reinterpret_cast<HWND>(list->handle());
        form->show();
    }

    std::wstring viaMessage(int index) const {
        std::wstring text(std::size_t(SendMessageW(hwnd, LB_GETTEXTLEN, WPARAM(index), 0)) + 1, L'\0');
        text.resize(std::size_t(SendMessageW(hwnd, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data()))));
        return text;
    }
};

} // namespace

// The control holds the texts: bulk fills, single additions, deletions and the standard text
// queries must agree with its count and selection.
TEST(Win32ListBox, KeepsTextsCountAndSelectionInStep) {
    ListFixture f;
    f.list->addItems({L"один", L"два", L"три"});
    f.list->setSelectedIndex(1);
    f.list->addItems({L"четыре", L"пять"});
    f.list->addItem(L"шесть");
    EXPECT_EQ(SendMessageW(f.hwnd, LB_GETCOUNT, 0, 0), 6);
    EXPECT_EQ(f.list->selectedIndex(), 1) << "growing the list keeps the selection";
    EXPECT_EQ(f.list->item(5), L"шесть");
    EXPECT_EQ(f.viaMessage(3), L"четыре");
    EXPECT_EQ(SendMessageW(f.hwnd, LB_GETTEXTLEN, 6, 0), LB_ERR);

    f.list->deleteItem(0);
    EXPECT_EQ(f.list->count(), 5);
    EXPECT_EQ(SendMessageW(f.hwnd, LB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(f.list->selectedIndex(), 0) << "the selection moves up with its entry";
    EXPECT_EQ(f.list->item(0), L"два");
    f.list->deleteItem(7); // out of range: nothing happens
    EXPECT_EQ(f.list->count(), 5);

    f.list->clear();
    EXPECT_EQ(f.list->count(), 0);
    EXPECT_EQ(f.list->selectedIndex(), -1);
    EXPECT_EQ(f.list->item(0), L"");
}

// Each row shows in the list's colours; the selected row in the system's highlight.
TEST(Win32ListBox, DrawsRowsInItsColours) {
    ListFixture f;
    f.list->addItems({L"██████████", L"██████████"});
    f.list->setSelectedIndex(1);
    RedrawWindow(f.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    const int row = int(SendMessageW(f.hwnd, LB_GETITEMHEIGHT, 0, 0));
    HDC dc = GetDC(f.hwnd);
    EXPECT_EQ(GetPixel(dc, 150, row / 2), RGB(0, 0, 128)) << "row background past the text";
    EXPECT_EQ(GetPixel(dc, 150, row + row / 2), GetSysColor(COLOR_HIGHLIGHT)) << "selected row";
    EXPECT_EQ(GetPixel(dc, 150, 3 * row + 2), RGB(0, 0, 128)) << "below the last row";
    bool yellowText = false;
    for (int x = 2; x < 40 && !yellowText; ++x)
        yellowText = GetPixel(dc, x, row / 2) == RGB(255, 255, 0);
    EXPECT_TRUE(yellowText) << "the first row's text is drawn in the list's colour";
    ReleaseDC(f.hwnd, dc);
}
