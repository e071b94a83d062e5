#pragma once

#include <cstdint>
#include <functional>
#include <list>
#include <string>
#include <vector>

namespace ui {

class Form;
class Surface;

enum class Kind {
    TextBox,
    Label,
    CommandButton,
    OptionButton,
    CheckBox,
    ComboBox,
    Frame,
    TabStrip,
    Grid,
    PictureBox
};

// One control of a form: plain state plus events. The view subscribes to be told when the state
// changes; handlers are the form's event procedures.
class Control {
public:
    Control(Form& form, Kind kind, std::string name, int index);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    Kind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }  // -1 outside an indexed group
    std::string fullName() const;          // "txt7Elev(0)" for a group member
    Form& form() const { return form_; }

    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c);
    const std::string& toolTip() const;
    void setToolTip(const std::string& t);
    // A tip written only when first asked for: most pages are never shown in a run, and their
    // tips (formatted ranges) would cost start-up time for nothing.
    void setToolTip(std::function<std::string()> make);
    // The frame or other container the control sits in ("" for the form itself).
    std::string container;
    // The unit of the value the control holds ("ft", "in./day"), shown beside it by the view.
    std::string unit;

    bool canFocus() const;
    bool SetFocus();

    std::function<void()> onGotFocus;
    std::function<void(bool& cancel)> onValidate;
    std::function<void()> onClick;

    using Listener = std::function<void()>;
    void subscribe(Listener l) { listeners_.push_back(std::move(l)); }
    void notify();

private:
    Form& form_;
    Kind kind_;
    std::string name_;
    int index_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    mutable std::string toolTip_;
    mutable std::function<std::string()> makeToolTip_;
    // A list: a listener may subscribe another while it is told (a view built as its page is
    // shown), and the one running must stay where it is.
    std::list<Listener> listeners_;
};

class Label : public Control {
public:
    Label(Form& f, std::string name, int index = -1) : Control(f, Kind::Label, std::move(name), index) {}
};

class Frame : public Control {
public:
    Frame(Form& f, std::string name, int index = -1) : Control(f, Kind::Frame, std::move(name), index) {}
};

class CommandButton : public Control {
public:
    CommandButton(Form& f, std::string name, int index = -1)
        : Control(f, Kind::CommandButton, std::move(name), index) {}
    bool isDefault = false;  // taken by Enter
    bool isCancel = false;   // taken by Escape
};

class TextBox : public Control {
public:
    TextBox(Form& f, std::string name, int index = -1) : Control(f, Kind::TextBox, std::move(name), index) {}

    const std::string& text() const { return text_; }
    // Replaces the whole text; the change handler runs when the text differs.
    void setText(const std::string& t);
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    void setSelection(int start, int length);
    std::string selectedText() const;
    bool locked = false;

    // A key typed by the user: the key-press handler may discard it (set it to 0); otherwise a
    // character replaces the selection and Backspace deletes it (or the character before the
    // caret). Enter never reaches the text.
    void typeKey(std::int16_t key);
    // Text put in by the clipboard or the mouse: it replaces the selection, no key filter.
    void paste(const std::string& t);

    std::function<void()> onChange;
    std::function<void(std::int16_t& key)> onKeyPress;
    // A movement key (37 Left, 38 Up, 39 Right, 40 Down, 9 Tab) before the field acts on it,
    // with the shift state (1 Shift, 2 Ctrl, 4 Alt): true when the handler dealt with it. A Tab
    // the handler leaves moves the focus on as usual.
    std::function<bool(int keyCode, int shift)> onKeyDown;

private:
    void replaceSelection(const std::string& t);
    std::string text_;
    int selStart_ = 0;
    int selLength_ = 0;
};

// One button of an option group; the members of a group share the base name and exclude each
// other.
class OptionButton : public Control {
public:
    OptionButton(Form& f, std::string name, int index = -1)
        : Control(f, Kind::OptionButton, std::move(name), index) {}
    bool value() const { return value_; }
    // Selecting clears the other members of the group and raises Click (as a user's click does).
    void setValue(bool v);
    void click();

private:
    bool value_ = false;
};

class CheckBox : public Control {
public:
    CheckBox(Form& f, std::string name, int index = -1) : Control(f, Kind::CheckBox, std::move(name), index) {}
    int value() const { return value_; }
    void setValue(int v);  // raises Click when the value changes

private:
    int value_ = 0;
};

class ComboBox : public Control {
public:
    enum class Style { DropDownCombo, DropDownList };
    ComboBox(Form& f, std::string name, int index = -1) : Control(f, Kind::ComboBox, std::move(name), index) {}

    Style style = Style::DropDownList;
    void addItem(const std::string& text, long itemData = 0);
    void clear();
    int listCount() const { return static_cast<int>(items_.size()); }
    const std::string& list(int i) const { return items_.at(i).text; }
    long itemData(int i) const { return items_.at(i).data; }
    int listIndex() const { return listIndex_; }
    // Choosing an item (or -1 for none) sets the text and raises Click.
    void setListIndex(int i);
    const std::string& text() const { return text_; }
    // Typing into the edit part of a combo: the list selection is dropped, Change runs.
    void setText(const std::string& t);

    std::function<void()> onChange;

private:
    struct Item {
        std::string text;
        long data;
    };
    std::vector<Item> items_;
    int listIndex_ = -1;
    std::string text_;
};

class TabStrip : public Control {
public:
    TabStrip(Form& f, std::string name, int index = -1) : Control(f, Kind::TabStrip, std::move(name), index) {}
    struct Tab {
        std::string caption;
        std::string toolTip;
    };
    std::vector<Tab> tabs;
    int selectedTab() const { return selected_; }  // from 1
    // Selecting a tab from code moves the mark without raising Click.
    void select(int tab);
    // A user's click on tab k: selects it and raises Click.
    void clickTab(int tab);

private:
    int selected_ = 1;
};

class Grid : public Control {
public:
    Grid(Form& f, std::string name, int index = -1) : Control(f, Kind::Grid, std::move(name), index) {}
    int rows() const { return static_cast<int>(cells_.size()); }
    int cols() const { return cols_; }
    void setRows(int n);
    void setCols(int n);
    int fixedRows = 1;
    int fixedCols = 0;
    bool editable = false;
    const std::string& textMatrix(int r, int c) const;
    void setTextMatrix(int r, int c, const std::string& t);
    int row = 0;
    int col = 0;
    // The selected block runs from (row, col) to (rowSel, colSel), either way round.
    int rowSel = 0;
    int colSel = 0;
    // The selected block's texts: a tab between cells, a line end after each row but the last.
    std::string Clip() const;
    // "^Value|Description": the header row's texts, separated by "|"; a leading "^", "<" or ">"
    // aligns the column (centre, left, right) and is not part of the text.
    void setFormatString(const std::string& format);
    const std::string& formatString() const { return formatString_; }
    char columnAlignment(int c) const;
    std::function<void()> onDblClick;
    // A key pressed in the grid: its key code and the shift state (1 Shift, 2 Ctrl, 4 Alt).
    std::function<void(int keyCode, int shift)> onKeyDown;
    // The person put the cursor on a cell (row, col): a page that edits its cells through a field
    // of its own opens that field here.
    std::function<void()> onEnterCell;
    // A grid whose cells the page edits: columns from 0 below this count, in data rows below
    // maxRows (0: no bound).
    int editableColumns = 0;
    int maxRows = 0;
    // An edit of an editable grid's cell, as its editor makes it.
    std::function<void(int r, int c)> onCellEdited;
    const std::vector<std::vector<std::string>>& cells() const { return cells_; }

private:
    int cols_ = 0;
    std::vector<std::vector<std::string>> cells_;
    std::string formatString_;
    std::vector<char> alignments_;
};

class PictureBox : public Control {
public:
    PictureBox(Form& f, std::string name, int index = -1)
        : Control(f, Kind::PictureBox, std::move(name), index) {}
    // Draws the picture on a surface (screen, printer or a recording) whose drawable area is
    // width x height twips.
    std::function<void(Surface&, double width, double height)> onPaint;
    // The least room the picture needs on screen, twips (0: the view's own minimum).
    double minimumWidth = 0, minimumHeight = 0;
    // The room the picture wants on a surface like the one it is drawn on, twips (a formula
    // measures its text); unset, the minimum above.
    std::function<void(Surface&, double& width, double& height)> onMeasure;
    // A sketch is drawn on white paper whatever the desktop's colours; a formula is written on
    // the window's own background in its text colour.
    bool paper = true;
    // Asks the view to repaint.
    void Refresh() { notify(); }
};

}  // namespace ui
