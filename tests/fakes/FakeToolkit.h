#pragma once
#include "platform/Error.h"
#include "platform/ui/Guard.h"
#include "platform/ui/Toolkit.h"
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace vx::fakes {

class FakeToolkit;

// Widgets that remember what the program did to them; tests fire their events through the
// toolkit's error guard, as the real dispatcher does.
class FakeSpeedButton : public ui::SpeedButton {
  public:
    explicit FakeSpeedButton(const ui::ControlSpec& s) : params(s) {}
    WindowId handle() const override { return WindowId(5000 + params.id); }
    int id() const override { return params.id; }
    void setGlyph(ui::Glyph g) override { glyph_ = g; }
    ui::Glyph glyph() const override { return glyph_; }
    void setHint(const std::wstring& h) override { hint_ = h; }
    std::wstring hint() const override { return hint_; }
    void setPopupMenu(ui::PopupMenu* m) override { popup = m; }

    ui::ControlSpec params;
    ui::PopupMenu* popup = nullptr;

  private:
    ui::Glyph glyph_ = ui::Glyph::None;
    std::wstring hint_;
};

class FakeLabel : public ui::Label {
  public:
    FakeLabel(const ui::ControlSpec& s, std::wstring t) : params(s), text_(std::move(t)) {}
    WindowId handle() const override { return WindowId(5000 + params.id); }
    int id() const override { return params.id; }
    void setText(const std::wstring& t) override { text_ = t; }
    std::wstring text() const override { return text_; }
    ui::ControlSpec params;

  private:
    std::wstring text_;
};

class FakeListBox : public ui::ListBox {
  public:
    explicit FakeListBox(const ui::ListBoxSpec& s) : params(s) {}
    WindowId handle() const override { return WindowId(5000 + params.id); }
    int id() const override { return params.id; }
    void addItem(const std::wstring& t) override { items.push_back(t); }
    void addItems(std::vector<std::wstring> t) override { items.insert(items.end(), t.begin(), t.end()); }
    void addTexts(const std::vector<const wchar_t*>& t) override { items.insert(items.end(), t.begin(), t.end()); }
    void deleteItem(int i) override {
        if (i < 0 || i >= count())
            return;
        items.erase(items.begin() + i);
        if (selected == i)
            selected = -1;
        else if (selected > i)
            --selected;
    }
    void clear() override {
        items.clear();
        selected = -1;
    }
    int count() const override { return int(items.size()); }
    std::wstring item(int i) const override { return items.at(std::size_t(i)); }
    int selectedIndex() const override { return selected; }
    void setSelectedIndex(int i) override { selected = (i >= 0 && i < count()) ? i : -1; }

    ui::ListBoxSpec params;
    std::vector<std::wstring> items;
    int selected = -1;
};

class FakeButton : public ui::Button {
  public:
    explicit FakeButton(const ui::ButtonSpec& s) : params(s) {}
    WindowId handle() const override { return WindowId(5000 + params.id); }
    int id() const override { return params.id; }
    void setText(const std::wstring& t) override { params.text = t; }
    std::wstring text() const override { return params.text; }
    ui::ButtonSpec params;
};

class FakePopupMenu : public ui::PopupMenu {
  public:
    struct Item {
        std::wstring caption;
        std::function<void()> onClick;
        bool checked = false;
    };
    std::vector<Item> items;
    std::vector<std::pair<int, int>> popups; // where it was shown

    int addItem(const std::wstring& caption, std::function<void()> onClick) override {
        items.push_back({caption, std::move(onClick)});
        return int(items.size()) - 1;
    }
    void setChecked(int i, bool c) override { items.at(std::size_t(i)).checked = c; }
    bool checked(int i) const override { return items.at(std::size_t(i)).checked; }
    void popupAt(int x, int y) override { popups.emplace_back(x, y); }
};

class FakeTimer : public ui::Timer {
  public:
    FakeTimer(int ms, std::function<void()> tick) : interval_(ms), onTick(std::move(tick)) {}
    void setEnabled(bool e) override { enabled_ = e; }
    bool enabled() const override { return enabled_; }
    int interval() const override { return interval_; }

    int interval_;
    bool enabled_ = true;
    std::function<void()> onTick;
};

class FakeToolButton : public ui::ToolButton {
  public:
    FakeToolButton(const ui::ToolButtonSpec& s, int index) : params(s), row(index) {}
    WindowId handle() const override { return WindowId(5000 + params.id); }
    int id() const override { return params.id; }
    ui::Glyph glyph() const override { return params.glyph; }
    std::wstring hint() const override { return params.hint; }
    ui::ToolButtonSpec params;
    int row; // the button's place in the column, from the top
};

class FakeToolBar : public ui::ToolBar {
  public:
    explicit FakeToolBar(const ui::ToolBarSpec& s) : params(s) {}
    WindowId handle() const override { return WindowId(5000 + params.id); }
    int id() const override { return params.id; }
    ui::ToolButton& addButton(const ui::ToolButtonSpec& s) override {
        buttons.push_back(std::make_unique<FakeToolButton>(s, int(buttons.size())));
        return *buttons.back();
    }
    ui::ToolBarSpec params;
    std::vector<std::unique_ptr<FakeToolButton>> buttons;
};

class FakeProgressBar : public ui::ProgressBar {
  public:
    explicit FakeProgressBar(const ui::ProgressBarSpec& s) : params(s) {}
    WindowId handle() const override { return WindowId(5000 + params.id); }
    int id() const override { return params.id; }
    void setMax(int m) override { max_ = m; }
    int max() const override { return max_; }
    void setPosition(int p) override { position_ = p < 0 ? 0 : (p > max_ ? max_ : p); }
    int position() const override { return position_; }
    void setHint(const std::wstring& h) override { hint_ = h; }
    std::wstring hint() const override { return hint_; }
    void repaint() override { ++repaints; }
    ui::ProgressBarSpec params;
    int repaints = 0;

  private:
    int max_ = 100;
    int position_ = 0;
    std::wstring hint_;
};

class FakeCheckBox : public ui::CheckBox {
  public:
    explicit FakeCheckBox(const ui::CheckBoxSpec& s) : params(s) {}
    WindowId handle() const override { return WindowId(5000 + params.id); }
    int id() const override { return params.id; }
    void setChecked(bool c) override { checked_ = c; }
    bool checked() const override { return checked_; }
    ui::CheckBoxSpec params;

  private:
    bool checked_ = false;
};

class FakeDriveComboBox : public ui::DriveComboBox {
  public:
    explicit FakeDriveComboBox(const ui::DriveComboBoxSpec& s) : params(s), selection(s.entries, s.workingDrive) {}
    WindowId handle() const override { return WindowId(5000 + params.id); }
    int id() const override { return params.id; }
    wchar_t drive() const override { return selection.drive(); }
    void setDrive(wchar_t letter) override {
        if (selection.setDrive(letter) && onChange)
            onChange();
    }
    int count() const override { return int(selection.entries().size()); }
    std::wstring item(int i) const override { return selection.entries().at(std::size_t(i)).text; }
    int selectedIndex() const override { return selection.selectedIndex(); }
    // The user picks an entry from the list.
    void pick(int index) {
        if (selection.pick(index) && onChange)
            onChange();
    }
    ui::DriveComboBoxSpec params;
    ui::DriveSelection selection;
};

class FakeDirectoryListBox : public ui::DirectoryListBox {
  public:
    explicit FakeDirectoryListBox(const ui::DirectoryListBoxSpec& s) : params(s), folder(s.folder) {}
    WindowId handle() const override { return WindowId(5000 + params.id); }
    int id() const override { return params.id; }
    std::wstring directory() const override { return folder; }
    void setDirectory(const std::wstring& f) override {
        if (unopenable.count(f))
            throw IoError(21);
        folder = f;
        if (onChange)
            onChange();
    }
    void openDrive(wchar_t letter) override {
        auto it = driveFolders.find(letter);
        setDirectory(it == driveFolders.end() ? std::wstring(1, letter) + L":\\" : it->second);
    }
    ui::DirectoryListBoxSpec params;
    std::wstring folder;
    std::map<wchar_t, std::wstring> driveFolders; // each drive's current folder
    std::set<std::wstring> unopenable;            // folders that fail to open (a drive not ready)
};

class FakeImage : public ui::Image {
  public:
    explicit FakeImage(const ui::ImageSpec& s) : params(s) {}
    WindowId handle() const override { return WindowId(5000 + params.id); }
    int id() const override { return params.id; }
    ui::ImageSpec params;
};

// The folder tree: the test selects a folder by its path; an empty path stands for a virtual
// folder (the computer, the network), `selected` false for no selection at all.
class FakeShellFolderTree : public ui::ShellFolderTree {
  public:
    explicit FakeShellFolderTree(const ui::ShellFolderTreeSpec& s) : params(s) {}
    WindowId handle() const override { return WindowId(5000 + params.id); }
    int id() const override { return params.id; }
    std::wstring selectedPath() const override { return selected ? path : std::wstring(); }
    void select(const std::wstring& folder) {
        selected = true;
        path = folder;
    }
    ui::ShellFolderTreeSpec params;
    bool selected = false;
    std::wstring path;
};

// The media keys: remembers whether the program claims them and how often that changed.
class FakeMediaKeys : public ui::MediaKeys {
  public:
    void setClaimed(bool c) override {
        if (c != claimed_)
            ++changes;
        claimed_ = c;
    }
    bool claimed() const override { return claimed_; }
    int changes = 0;

  private:
    bool claimed_ = false;
};

class FakeForm : public ui::Form {
  public:
    FakeForm(FakeToolkit& toolkit, const ui::FormSpec& s);
    ~FakeForm() override;
    WindowId handle() const override { return id; }
    void show() override;
    void hide() override { visible_ = false; }
    void close() override;
    void showModal() override;
    bool visible() const override { return visible_ && !lost; }
    bool exists() const override { return !lost; }
    Rect bounds() const override { return bounds_; }
    void setBounds(const Rect& r) override { bounds_ = r; }
    void dock(WindowId parent, const Rect& where) override;
    void dockAt(WindowId parent, const Rect& where) {
        ++docks;
        dockedTo = parent;
        bounds_ = where;
        docked = true;
    }
    ui::SpeedButton& addSpeedButton(const ui::ControlSpec& params) override {
        speedButtons.push_back(std::make_unique<FakeSpeedButton>(params));
        return *speedButtons.back();
    }
    ui::Label& addLabel(const ui::ControlSpec& params, const std::wstring& text) override {
        labels.push_back(std::make_unique<FakeLabel>(params, text));
        return *labels.back();
    }
    ui::ListBox& addListBox(const ui::ListBoxSpec& params) override {
        listBoxes.push_back(std::make_unique<FakeListBox>(params));
        return *listBoxes.back();
    }
    ui::Button& addButton(const ui::ButtonSpec& params) override {
        buttons.push_back(std::make_unique<FakeButton>(params));
        return *buttons.back();
    }
    ui::PopupMenu& addPopupMenu() override {
        menus.push_back(std::make_unique<FakePopupMenu>());
        return *menus.back();
    }
    ui::Timer& addTimer(int ms, std::function<void()> tick) override {
        timers.push_back(std::make_unique<FakeTimer>(ms, std::move(tick)));
        return *timers.back();
    }
    ui::ToolBar& addToolBar(const ui::ToolBarSpec& params) override {
        toolBars.push_back(std::make_unique<FakeToolBar>(params));
        return *toolBars.back();
    }
    ui::ProgressBar& addProgressBar(const ui::ProgressBarSpec& params) override {
        progressBars.push_back(std::make_unique<FakeProgressBar>(params));
        return *progressBars.back();
    }
    ui::CheckBox& addCheckBox(const ui::CheckBoxSpec& params) override {
        checkBoxes.push_back(std::make_unique<FakeCheckBox>(params));
        return *checkBoxes.back();
    }
    ui::DriveComboBox& addDriveComboBox(const ui::DriveComboBoxSpec& params) override {
        driveComboBoxes.push_back(std::make_unique<FakeDriveComboBox>(params));
        return *driveComboBoxes.back();
    }
    ui::DirectoryListBox& addDirectoryListBox(const ui::DirectoryListBoxSpec& params) override {
        directoryListBoxes.push_back(std::make_unique<FakeDirectoryListBox>(params));
        return *directoryListBoxes.back();
    }

    ui::Image& addImage(const ui::ImageSpec& params) override {
        images.push_back(std::make_unique<FakeImage>(params));
        return *images.back();
    }

    ui::ShellFolderTree& addShellFolderTree(const ui::ShellFolderTreeSpec& params) override {
        shellFolderTrees.push_back(std::make_unique<FakeShellFolderTree>(params));
        return *shellFolderTrees.back();
    }

    FakeSpeedButton& speedButton(int controlId) const;

    FakeToolkit& toolkit;
    ui::FormSpec params;
    WindowId id;
    Rect bounds_;
    bool visible_ = false;
    bool closed = false; // the main window's close ended the program
    bool docked = false;
    int docks = 0;
    bool lost = false; // destroyed along with the window it was docked into
    WindowId dockedTo = 0;
    int modalShows = 0;
    int showCount = 0;
    std::vector<std::unique_ptr<FakeSpeedButton>> speedButtons;
    std::vector<std::unique_ptr<FakeLabel>> labels;
    std::vector<std::unique_ptr<FakeListBox>> listBoxes;
    std::vector<std::unique_ptr<FakeButton>> buttons;
    std::vector<std::unique_ptr<FakePopupMenu>> menus;
    std::vector<std::unique_ptr<FakeTimer>> timers;
    std::vector<std::unique_ptr<FakeToolBar>> toolBars;
    std::vector<std::unique_ptr<FakeProgressBar>> progressBars;
    std::vector<std::unique_ptr<FakeCheckBox>> checkBoxes;
    std::vector<std::unique_ptr<FakeDriveComboBox>> driveComboBoxes;
    std::vector<std::unique_ptr<FakeDirectoryListBox>> directoryListBoxes;
    std::vector<std::unique_ptr<FakeImage>> images;
    std::vector<std::unique_ptr<FakeShellFolderTree>> shellFolderTrees;
    // False once the form is freed, for a close that outlives its form (see close()).
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
};

// Asks to stop once it has been asked `cancelAfter` times (never when negative).
class FakeBusyScope : public ui::BusyScope {
  public:
    FakeBusyScope(int& active, int cancelAfter) : active_(active), cancelAfter_(cancelAfter) { ++active_; }
    ~FakeBusyScope() override { --active_; }
    bool cancelRequested() override { return cancelAfter_ >= 0 && ++asked_ > cancelAfter_; }

  private:
    int& active_;
    int cancelAfter_;
    int asked_ = 0;
};

class FakeToolkit : public ui::Toolkit {
  public:
    int busyScopes = 0;          // busy scopes alive now
    int busyBegun = 0;           // busy scopes begun in all
    int cancelBusyAfter = -1;    // the next busy scopes ask to stop after this many looks
    std::unique_ptr<ui::BusyScope> beginBusy() override {
        ++busyBegun;
        return std::make_unique<FakeBusyScope>(busyScopes, cancelBusyAfter);
    }
    std::vector<FakeForm*> forms; // in creation order
    std::deque<bool> answers;     // answers to the next questions; "&No" when empty
    std::vector<std::pair<ui::QuestionKind, std::wstring>> questions;
    std::vector<std::wstring> notices;
    std::vector<std::wstring> errors;
    bool toolWindowMarked = false;
    // Answers of the next file dialogs (nothing = cancelled), and what each dialog was asked.
    std::deque<std::optional<std::wstring>> fileAnswers;
    std::vector<std::pair<ui::FileDialogKind, ui::FileDialogSpec>> fileDialogs;
    FakeForm* mainForm = nullptr;
    bool failDock = false; // the bar cannot be made the taskbar's child
    std::vector<std::string>* log = nullptr;
    FakeMediaKeys keys;
    std::map<WindowId, ui::DropHandler> dropTargets; // by the control's handle

    std::unique_ptr<ui::Form> createForm(const ui::FormSpec& params) override {
        auto form = std::make_unique<FakeForm>(*this, params);
        forms.push_back(form.get());
        if (params.main)
            mainForm = form.get();
        return form;
    }
    bool ask(ui::QuestionKind kind, const std::wstring& text) override {
        questions.emplace_back(kind, text);
        if (answers.empty())
            return false;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void notify(const std::wstring& text) override { notices.push_back(text); }
    std::function<void()> whileErrorShown; // what the user does while an error box is up
    void showError(const std::wstring& text) override {
        errors.push_back(text);
        if (whileErrorShown)
            whileErrorShown();
    }
    int repaintWaits = 0;
    void letUncoveredWindowsRepaint() override { ++repaintWaits; }
    std::optional<std::wstring> runFileDialog(ui::FileDialogKind kind, const ui::FileDialogSpec& params) override {
        fileDialogs.emplace_back(kind, params);
        if (fileAnswers.empty())
            return std::nullopt;
        auto a = fileAnswers.front();
        fileAnswers.pop_front();
        return a;
    }
    ui::MediaKeys& mediaKeys() override { return keys; }
    void acceptDrops(ui::Control& target, ui::DropHandler onDrop) override {
        dropTargets[target.handle()] = std::move(onDrop);
    }
    WindowId applicationWindow() const override { return 1; }
    void markApplicationToolWindow() override {
        toolWindowMarked = true;
        if (log)
            log->push_back("application window marked");
    }
    void run(ui::Form& main) override { mainForm = static_cast<FakeForm*>(&main); }
    int pendingDelayMs = 0; // the one run waiting, and after how long
    std::function<void()> pending;
    void runOnceAfter(int delayMs, std::function<void()> onDue) override {
        pendingDelayMs = delayMs;
        pending = std::move(onDue);
    }
    // Its time has come: it runs once, as the real timer's message does.
    void firePending() {
        if (auto due = std::exchange(pending, nullptr))
            fire(due);
    }
    std::pair<WindowId, WindowId> watched; // the taskbar and Start window watched now
    void watchTaskbar(WindowId taskbar, WindowId start) override { watched = {taskbar, start}; }

    FakeForm* form(const std::wstring& windowClass) const {
        for (auto* f : forms)
            if (f->params.windowClass == windowClass)
                return f;
        return nullptr;
    }
    // Fires an event as the real dispatcher does: errors go to the error box.
    void fire(const std::function<void()>& handler) { ui::guarded(*this, handler); }
    void click(ui::SpeedButton& b) { fire(b.onClick); }
    void press(ui::SpeedButton& b, ui::MouseButton m) {
        if (b.onMouseDown)
            fire([&] { b.onMouseDown(m); });
    }
    // A tool button sees the press of every mouse button; only the left one, released over
    // the button, completes a click.
    void press(ui::ToolButton& b, ui::MouseButton m) {
        if (b.onMouseDown)
            fire([&] { b.onMouseDown(m); });
    }
    // A media key reaches the program; true when the program acted on it (a handler that failed
    // did act: its error was shown).
    bool pressMediaKey(ui::MediaKey key) {
        if (!keys.onKey)
            return false;
        bool acted = true;
        fire([&] { acted = keys.onKey(key); });
        return acted;
    }
    // The shell drops items on a control; false when the control takes no drops.
    bool drop(const ui::Control& target, const std::vector<ui::DroppedItem>& items) {
        auto it = dropTargets.find(target.handle());
        if (it == dropTargets.end() || !it->second)
            return false;
        fire([&] { it->second(items); });
        return true;
    }
    void click(ui::ToolButton& b) {
        press(b, ui::MouseButton::Left);
        if (b.onClick)
            fire(b.onClick);
    }
};

inline FakeForm::FakeForm(FakeToolkit& t, const ui::FormSpec& s)
    : toolkit(t), params(s), id(WindowId(200 + t.forms.size())),
      bounds_{s.left, s.top, s.clientWidth, s.clientHeight} {}

inline FakeForm::~FakeForm() {
    *alive = false;
    std::erase(toolkit.forms, this);
}

inline void FakeForm::dock(WindowId parent, const Rect& where) {
    if (toolkit.failDock)
        throw Error(L"Cannot dock the window");
    dockAt(parent, where);
}

inline void FakeForm::show() {
    const bool was = visible_;
    if (!was && onBeforeShow)
        toolkit.fire(onBeforeShow);
    visible_ = true;
    ++showCount;
    if (!was && onShow)
        toolkit.fire(onShow);
}

inline void FakeForm::close() {
    // The program freeing a form while its close runs would be a use after free on Windows;
    // here it is an error the test sees, so that test fails alone instead of ending the run.
    const std::shared_ptr<bool> stillAlive = alive;
    if (onClose)
        onClose();
    if (!*stillAlive)
        throw std::logic_error("a form was freed while its close ran");
    if (toolkit.mainForm == this || docked)
        closed = true;
    visible_ = false;
}

inline void FakeForm::showModal() {
    ++modalShows;
    show();
}

inline FakeSpeedButton& FakeForm::speedButton(int controlId) const {
    for (auto& b : speedButtons)
        if (b->params.id == controlId)
            return *b;
    throw std::runtime_error("no such button");
}

} // namespace vx::fakes
