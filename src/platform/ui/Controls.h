#pragma once
#include "platform/Types.h"
#include "platform/ui/Style.h"
#include <functional>
#include <string>
#include <vector>

namespace vx::ui {

class PopupMenu;

struct ControlSpec {
    int id = 0; // a stable control ID, so tests and accessibility tools find the control
    Rect rect;  // in the form's client coordinates
    Font font;
};

// Events are plain callbacks that the owner sets; the toolkit runs them inside its error guard.
class Control {
  public:
    virtual ~Control() = default;
    virtual WindowId handle() const = 0;
    virtual int id() const = 0;
};

// A flat button with a 16 x 16 glyph and a hint shown as its tooltip.
class SpeedButton : public Control {
  public:
    virtual void setGlyph(Glyph glyph) = 0;
    virtual Glyph glyph() const = 0;
    virtual void setHint(const std::wstring& hint) = 0;
    virtual std::wstring hint() const = 0;
    // The menu that a right click opens.
    virtual void setPopupMenu(PopupMenu* menu) = 0;

    std::function<void()> onClick;                  // left button released over the button
    std::function<void(MouseButton)> onMouseDown;   // any button pressed
};

struct ListBoxSpec : ControlSpec {
    Colour background = Colour::system(syscolour::InfoBackground);
    int itemHeight = 13;
    bool visible = true;
    bool handCursor = false;
    bool flat = false; // a single-line border instead of the sunken 3-D edge
};

// A single-selection, unsorted list of texts.
class ListBox : public Control {
  public:
    virtual void addItem(const std::wstring& text) = 0;
    // Adds many items with one redraw at the end; the texts are taken over (move them in).
    virtual void addItems(std::vector<std::wstring> texts) = 0;
    // The same for texts that stay where they are (null-terminated, valid during the call).
    virtual void addTexts(const std::vector<const wchar_t*>& texts) = 0;
    virtual void deleteItem(int index) = 0;
    virtual void clear() = 0;
    virtual int count() const = 0;
    virtual std::wstring item(int index) const = 0;
    virtual int selectedIndex() const = 0; // -1 when nothing is selected
    // Selects an entry and scrolls it into view; -1 clears the selection.
    virtual void setSelectedIndex(int index) = 0;

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    // A key went down; the list's own handling (moving the selection) follows.
    std::function<void(int virtualKey)> onKeyDown;
};

// A push button with a caption (and, for the buttons that have one, a glyph).
class Button : public Control {
  public:
    virtual void setText(const std::wstring& text) = 0;
    virtual std::wstring text() const = 0;
    std::function<void()> onClick;
};

struct ButtonSpec : ControlSpec {
    std::wstring text;
    Glyph glyph = Glyph::None;
    bool isDefault = false; // Enter presses it
    bool isCancel = false;  // Escape presses it
};

class Label : public Control {
  public:
    virtual void setText(const std::wstring& text) = 0;
    virtual std::wstring text() const = 0;
};

class PopupMenu {
  public:
    virtual ~PopupMenu() = default;
    // Returns the item's index; the caption "-" makes a separator.
    virtual int addItem(const std::wstring& caption, std::function<void()> onClick) = 0;
    virtual void setChecked(int index, bool checked) = 0;
    virtual bool checked(int index) const = 0;
    // Shows the menu with its top-left corner at a screen point and runs the chosen item.
    virtual void popupAt(int x, int y) = 0;
};

class Timer {
  public:
    virtual ~Timer() = default;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
    virtual int interval() const = 0;
};

} // namespace vx::ui
