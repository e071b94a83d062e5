#include "ui/control.h"

#include <algorithm>

#include "ui/form.h"
#include "ui/utf8.h"

namespace ui {

Control::Control(Form& form, Kind kind, std::string name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index) {}

std::string Control::fullName() const {
    if (index_ < 0) return name_;
    return name_ + "(" + std::to_string(index_) + ")";
}

void Control::notify() {
    // Only the listeners there when the change happened: a new one has just read the state.
    auto it = listeners_.begin();
    for (std::size_t n = listeners_.size(); n > 0; --n, ++it) (*it)();
}

void Control::setVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    notify();
}

void Control::setEnabled(bool e) {
    if (enabled_ == e) return;
    enabled_ = e;
    notify();
}

void Control::setCaption(const std::string& text) {
    const std::string c = ValidUtf8(text);
    if (caption_ == c) return;
    caption_ = c;
    notify();
}

const std::string& Control::toolTip() const {
    if (makeToolTip_) {
        toolTip_ = makeToolTip_();
        makeToolTip_ = nullptr;
    }
    return toolTip_;
}

void Control::setToolTip(const std::string& t) {
    toolTip_ = t;
    makeToolTip_ = nullptr;
    notify();
}

void Control::setToolTip(std::function<std::string()> make) {
    makeToolTip_ = std::move(make);
    notify();
}

bool Control::canFocus() const {
    switch (kind_) {
        case Kind::Label:
        case Kind::Frame:
        case Kind::PictureBox:
            return false;
        default:
            return visible_ && enabled_;
    }
}

bool Control::SetFocus() { return form_.setFocus(this); }

// --- TextBox ---

void TextBox::setText(const std::string& text) {
    const std::string t = ValidUtf8(text);
    if (t == text_) return;
    text_ = t;
    selStart_ = static_cast<int>(text_.size());
    selLength_ = 0;
    notify();
    if (onChange) onChange();
}

void TextBox::setSelection(int start, int length) {
    int n = static_cast<int>(text_.size());
    selStart_ = std::clamp(start, 0, n);
    selLength_ = std::clamp(length, 0, n - selStart_);
    notify();
}

std::string TextBox::selectedText() const { return text_.substr(selStart_, selLength_); }

void TextBox::replaceSelection(const std::string& text) {
    const std::string t = ValidUtf8(text);
    std::string next = text_.substr(0, selStart_) + t + text_.substr(selStart_ + selLength_);
    int caret = selStart_ + static_cast<int>(t.size());
    bool changed = next != text_;
    text_ = std::move(next);
    selStart_ = caret;
    selLength_ = 0;
    notify();
    if (changed && onChange) onChange();
}

void TextBox::typeKey(std::int16_t key) {
    if (onKeyPress) onKeyPress(key);
    if (key == 0 || key == 13 || locked || !enabled()) return;
    if (key == 8) {
        if (selLength_ == 0) {
            if (selStart_ == 0) return;
            --selStart_;
            selLength_ = 1;
        }
        replaceSelection("");
        return;
    }
    if (key < 32 || key > 126) return;
    replaceSelection(std::string(1, static_cast<char>(key)));
}

void TextBox::paste(const std::string& t) {
    if (locked || !enabled()) return;
    replaceSelection(t);
}

// --- OptionButton ---

void OptionButton::setValue(bool v) {
    if (v) {
        for (auto& c : form().controls()) {
            if (c.get() != this && c->kind() == Kind::OptionButton && c->name() == name()) {
                auto* o = static_cast<OptionButton*>(c.get());
                if (o->value_) {
                    o->value_ = false;
                    o->notify();
                }
            }
        }
    }
    bool changed = value_ != v;
    value_ = v;
    if (changed) notify();
    if (v && changed && onClick) onClick();
}

void OptionButton::click() {
    if (!enabled()) return;
    if (value_) {
        if (onClick) onClick();
        return;
    }
    setValue(true);
}

// --- CheckBox ---

void CheckBox::setValue(int v) {
    if (v == value_) return;
    value_ = v;
    notify();
    if (onClick) onClick();
}

// --- ComboBox ---

void ComboBox::addItem(const std::string& text, long itemData) {
    items_.push_back({ValidUtf8(text), itemData});
    notify();
}

void ComboBox::clear() {
    items_.clear();
    listIndex_ = -1;
    text_.clear();
    notify();
}

void ComboBox::setListIndex(int i) {
    if (i < -1 || i >= listCount()) return;
    listIndex_ = i;
    text_ = i < 0 ? std::string() : items_[i].text;
    notify();
    if (onClick) onClick();
}

void ComboBox::setText(const std::string& text) {
    const std::string t = ValidUtf8(text);
    if (style == Style::DropDownList) {
        // A list without an edit part takes a text only as the choice of a matching item.
        for (int i = 0; i < listCount(); ++i)
            if (items_[i].text == t) return setListIndex(i);
        return;
    }
    if (t == text_) return;
    text_ = t;
    listIndex_ = -1;
    for (int i = 0; i < listCount(); ++i)
        if (items_[i].text == t) listIndex_ = i;
    notify();
    if (onChange) onChange();
}

// --- TabStrip ---

void TabStrip::select(int tab) {
    if (tab < 1 || tab > static_cast<int>(tabs.size())) return;
    selected_ = tab;
    notify();
}

void TabStrip::clickTab(int tab) {
    if (tab < 1 || tab > static_cast<int>(tabs.size())) return;
    select(tab);
    if (onClick) onClick();
}

// --- Grid ---

void Grid::setRows(int n) {
    cells_.resize(std::max(n, 0), std::vector<std::string>(cols_));
    notify();
}

void Grid::setCols(int n) {
    cols_ = std::max(n, 0);
    for (auto& r : cells_) r.resize(cols_);
    notify();
}

const std::string& Grid::textMatrix(int r, int c) const {
    static const std::string empty;
    if (r < 0 || r >= rows() || c < 0 || c >= cols_) return empty;
    return cells_[r][c];
}

void Grid::setFormatString(const std::string& format) {
    formatString_ = format;
    std::vector<std::string> headers;
    alignments_.clear();
    size_t start = 0;
    while (true) {
        size_t bar = format.find('|', start);
        std::string part = format.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
        char align = '<';
        if (!part.empty() && (part[0] == '^' || part[0] == '<' || part[0] == '>')) {
            align = part[0];
            part.erase(0, 1);
        }
        headers.push_back(part);
        alignments_.push_back(align);
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    if (static_cast<int>(headers.size()) > cols_) setCols(static_cast<int>(headers.size()));
    if (rows() < 1) setRows(1);
    for (int c = 0; c < static_cast<int>(headers.size()); ++c) cells_[0][c] = headers[c];
    notify();
}

char Grid::columnAlignment(int c) const {
    return c >= 0 && c < static_cast<int>(alignments_.size()) ? alignments_[c] : '<';
}

void Grid::setTextMatrix(int r, int c, const std::string& t) {
    if (r < 0 || r >= rows() || c < 0 || c >= cols_) return;
    cells_[r][c] = ValidUtf8(t);
    notify();
}

std::string Grid::Clip() const {
    const int r0 = std::max(0, std::min(row, rowSel)), r1 = std::min(rows() - 1, std::max(row, rowSel));
    const int c0 = std::max(0, std::min(col, colSel)), c1 = std::min(cols_ - 1, std::max(col, colSel));
    std::string clip;
    for (int r = r0; r <= r1; ++r) {
        if (r > r0) clip += '\n';
        for (int c = c0; c <= c1; ++c) {
            if (c > c0) clip += '\t';
            clip += cells_[r][c];
        }
    }
    return clip;
}

}  // namespace ui
