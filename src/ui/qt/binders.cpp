#include "ui/qt/binders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QContextMenuEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <algorithm>
#include <cmath>
#include <functional>

#include "ui/export_offer.h"
#include "ui/form.h"
#include "ui/qt/conversions.h"
#include "ui/qt/form_view.h"
#include "ui/qt/painter_surface.h"

namespace ui::qt {

Binder::Binder(FormView& view, ui::Control& control) : view_(view), control_(control) {}

bool Binder::live() const { return view_.form() != nullptr && widget_; }

void Binder::attach(QWidget* w) {
    widget_ = w;
    control_.subscribe([token = view_.token(), self = QPointer<Binder>(this)] {
        if (!token.expired() && self) self->changed();
    });
}

void Binder::mirror() {
    if (!live()) return;
    QScopedValueRollback guard(mirroring_, true);
    if (ownVisibility) widget_->setVisible(control_.visible());
    widget_->setEnabled(control_.enabled());
    widget_->setToolTip(ToQ(control_.toolTip()));
    mirrorState();
}

namespace {

bool HasButton(const ui::Form& form, bool CommandButton::*role) {
    for (auto& c : form.controls()) {
        if (c->kind() != Kind::CommandButton || !c->visible() || !c->enabled()) continue;
        if (static_cast<const CommandButton&>(*c).*role) return true;
    }
    return false;
}

// --- Label, Frame, PictureBox ---

// A caption or result whose text can be selected with the mouse and copied (its context menu,
// or Ctrl+C once clicked). It becomes selectable at the first press on it: the text control that
// needs is not made for every caption of twenty pages at start-up.
class CaptionLabel : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void mousePressEvent(QMouseEvent* e) override {
        selectable();
        QLabel::mousePressEvent(e);
    }
    void contextMenuEvent(QContextMenuEvent* e) override {
        selectable();
        QLabel::contextMenuEvent(e);
    }

  private:
    void selectable() {
        if (!(textInteractionFlags() & Qt::TextSelectableByMouse) && !text().isEmpty())
            setTextInteractionFlags(textInteractionFlags() | Qt::TextSelectableByMouse);
    }
};

class LabelBinder : public Binder {
  public:
    LabelBinder(FormView& v, ui::Control& c, QWidget* parent) : Binder(v, c) {
        label_ = new CaptionLabel(parent);
        label_->setTextFormat(Qt::PlainText);
        attach(label_);
    }

  protected:
    void mirrorState() override { label_->setText(ToQ(control_.caption())); }

  private:
    QLabel* label_;
};

class FrameBinder : public Binder {
  public:
    FrameBinder(FormView& v, ui::Control& c, QWidget* parent) : Binder(v, c) {
        box_ = new QGroupBox(parent);
        attach(box_);
    }

  protected:
    void mirrorState() override { box_->setTitle(ToQ(control_.caption())); }

  private:
    QGroupBox* box_;
};

// A picture drawn by its control's paint handler, through a painter surface in twips. A sketch
// keeps its white paper and black ink under any desktop colours; a formula is written in the
// window's text colour on the window's background. Its context menu offers the window's Export
// command.
class PictureArea : public QWidget {
  public:
    PictureArea(FormView& view, ui::PictureBox& box, QWidget* parent)
        : QWidget(parent), view_(view), box_(box) {
        if (box.onMeasure) {
            setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        } else {
            // 15 twips to a pixel at 96 dpi.
            setMinimumSize(std::max(280, static_cast<int>(box.minimumWidth / 15)),
                           std::max(150, static_cast<int>(box.minimumHeight / 15)));
            setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        }
        if (box.paper) {
            setAutoFillBackground(true);
            QPalette p = palette();
            p.setColor(QPalette::Window, Qt::white);
            p.setColor(QPalette::WindowText, Qt::black);
            setPalette(p);
        }
    }

    QSize sizeHint() const override {
        if (!box_.onMeasure) return minimumSize() * 1.5;
        if (measured_.isValid()) return measured_;
        // Measured on an image of the screen's resolution, in the font the picture draws with.
        QImage image(1, 1, QImage::Format_ARGB32);
        image.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
        image.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
        QPainter painter(&image);
        PainterSurface surface(painter, screenFont());
        double w = box_.minimumWidth, h = box_.minimumHeight;
        box_.onMeasure(surface, w, h);
        measured_ = {static_cast<int>(std::ceil(w * logicalDpiX() / ui::kTwipsPerInch)),
                     static_cast<int>(std::ceil(h * logicalDpiY() / ui::kTwipsPerInch))};
        return measured_;
    }
    QSize minimumSizeHint() const override { return box_.onMeasure ? sizeHint() : minimumSize(); }

  protected:
    void contextMenuEvent(QContextMenuEvent* e) override {
        QMenu menu;
        AddExportAction(view_, menu);
        if (!menu.isEmpty()) menu.exec(e->globalPos());
    }

    void changeEvent(QEvent* e) override {
        if (e->type() == QEvent::FontChange || e->type() == QEvent::ScreenChangeInternal) {
            measured_ = QSize();
            updateGeometry();
        }
        QWidget::changeEvent(e);
    }

    void paintEvent(QPaintEvent*) override {
        if (!box_.onPaint) return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(palette().color(QPalette::WindowText));
        PainterSurface surface(painter, screenFont());
        box_.onPaint(surface, surface.widthTwips(), surface.heightTwips());
    }

  private:
    ui::Font screenFont() const {
        return {font().family().toStdString(), font().pointSizeF() > 0 ? font().pointSizeF() : 9};
    }

    FormView& view_;
    ui::PictureBox& box_;
    mutable QSize measured_;  // what onMeasure asked for, until the font changes
};

class PictureBinder : public Binder {
  public:
    PictureBinder(FormView& v, ui::Control& c, QWidget* parent) : Binder(v, c) {
        area_ = new PictureArea(v, static_cast<ui::PictureBox&>(c), parent);
        attach(area_);
    }

  protected:
    void mirrorState() override { area_->update(); }

  private:
    QWidget* area_;
};

// --- CommandButton, OptionButton, CheckBox ---

// Buttons take focus from the keyboard only: a mouse click runs the focus protocol through the
// model first (validation may cancel it), which a focus-on-press would run a second time.
class ButtonBinder : public Binder {
  public:
    ButtonBinder(FormView& v, ui::Control& c, QWidget* parent) : Binder(v, c) {
        button_ = new QPushButton(parent);
        button_->setFocusPolicy(Qt::TabFocus);
        // Enter on a focused button presses it, on pages as in dialogs.
        button_->setAutoDefault(true);
        QObject::connect(button_, &QPushButton::clicked, this, [this] {
            auto& b = static_cast<CommandButton&>(control_);
            view_.act([&] { b.form().clickButton(b); });
        });
        attach(button_);
    }

  protected:
    void mirrorState() override {
        button_->setText(ToQ(control_.caption()));
        // A page's first command (Compute) looks like the default; Enter in a field stays the
        // field's own (it computes and moves on), so only the look is the view's.
        button_->setDefault(static_cast<CommandButton&>(control_).isDefault ||
                            button_->property("pageDefault").toBool());
    }

  private:
    QPushButton* button_;
};

class OptionBinder : public Binder {
  public:
    OptionBinder(FormView& v, ui::Control& c, QWidget* parent) : Binder(v, c) {
        radio_ = new QRadioButton(parent);
        radio_->setFocusPolicy(Qt::TabFocus);
        // The model keeps the groups (by name); Qt would group every radio of a parent.
        radio_->setAutoExclusive(false);
        QObject::connect(radio_, &QRadioButton::clicked, this, [this] {
            auto& o = static_cast<OptionButton&>(control_);
            view_.act([&] {
                if (o.form().setFocus(&o)) o.click();
            });
            mirror();
        });
        attach(radio_);
    }

  protected:
    void mirrorState() override {
        radio_->setText(ToQ(control_.caption()));
        radio_->setChecked(static_cast<OptionButton&>(control_).value());
    }

  private:
    QRadioButton* radio_;
};

class CheckBinder : public Binder {
  public:
    CheckBinder(FormView& v, ui::Control& c, QWidget* parent) : Binder(v, c) {
        check_ = new QCheckBox(parent);
        check_->setFocusPolicy(Qt::TabFocus);
        QObject::connect(check_, &QCheckBox::clicked, this, [this] {
            auto& b = static_cast<CheckBox&>(control_);
            view_.act([&] {
                if (b.form().setFocus(&b)) b.setValue(b.value() == 1 ? 0 : 1);
            });
            mirror();
        });
        attach(check_);
    }

  protected:
    void mirrorState() override {
        int v = static_cast<CheckBox&>(control_).value();
        check_->setText(ToQ(control_.caption()));
        check_->setTristate(v == 2);
        check_->setCheckState(v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    }

  private:
    QCheckBox* check_;
};

// --- TextBox ---

class FieldEdit : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;
    // True when the key was dealt with; otherwise the line edit handles it.
    std::function<bool(QKeyEvent*)> onKey;

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (onKey && onKey(e)) {
            e->accept();
            return;
        }
        QLineEdit::keyPressEvent(e);
    }
};

// Characters, Backspace and Enter are the model's: they go through TextBox::typeKey, so the
// field's key filter sees them. Movement and selection keys are Qt's, and an edit Qt makes
// itself (Delete, the context menu, the mouse) is handed to the model as a paste.
class TextBinder : public Binder {
  public:
    TextBinder(FormView& v, ui::Control& c, QWidget* parent) : Binder(v, c) {
        edit_ = new FieldEdit(parent);
        edit_->onKey = [this](QKeyEvent* e) { return key(e); };
        QObject::connect(edit_, &QLineEdit::textEdited, this, [this] { takeQtEdit(); });
        QObject::connect(edit_, &QLineEdit::selectionChanged, this, [this] { takeSelection(); });
        QObject::connect(edit_, &QLineEdit::cursorPositionChanged, this,
                         [this] { takeSelection(); });
        attach(edit_);
    }

  protected:
    void mirrorState() override {
        const auto& b = box();
        edit_->setReadOnly(b.locked);
        // A result box is read with the mouse (and copied), never reached by Tab.
        edit_->setFocusPolicy(b.locked ? Qt::ClickFocus : Qt::StrongFocus);
        // A display-only box shows a result sentence ("Critical Depth:  N/A  ft"), wider than
        // a number.
        if (b.locked) edit_->setMinimumWidth(edit_->fontMetrics().averageCharWidth() * 26);
        QString text = ToQ(b.text());
        if (edit_->text() != text) edit_->setText(text);
        int start = QtPos(b.text(), b.selStart());
        int end = QtPos(b.text(), b.selStart() + b.selLength());
        if (qtSelection() == std::pair{start, end}) return;
        if (end > start) {
            edit_->setSelection(start, end - start);
        } else {
            edit_->deselect();
            edit_->setCursorPosition(start);
        }
    }

  private:
    TextBox& box() const { return static_cast<TextBox&>(control_); }

    std::pair<int, int> qtSelection() const {
        if (!edit_->hasSelectedText()) return {edit_->cursorPosition(), edit_->cursorPosition()};
        int s = edit_->selectionStart();
        return {s, s + static_cast<int>(edit_->selectedText().size())};
    }

    bool key(QKeyEvent* e) {
        if (!live()) return false;
        const auto mods = e->modifiers();
        const bool ctrl = mods & Qt::ControlModifier;
        const bool alt = mods & Qt::AltModifier;
        switch (e->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                // A dialog's default button takes Enter before the field sees it.
                if (HasButton(box().form(), &CommandButton::isDefault)) return false;
                return type(13);
            case Qt::Key_Escape:
                if (HasButton(box().form(), &CommandButton::isCancel)) return false;
                return type(27);
            case Qt::Key_Backspace:
                return ctrl ? controlCode(127) : type(8);
            case Qt::Key_Delete:
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
                return false;
            case Qt::Key_Left:
            case Qt::Key_Up:
            case Qt::Key_Right:
            case Qt::Key_Down: {
                if (!box().onKeyDown || mods != Qt::NoModifier) return false;
                const int code = 37 + (e->key() - Qt::Key_Left);
                bool handled = false;
                view_.act([&] { handled = box().onKeyDown(code, 0); });
                mirror();
                return handled;
            }
            default:
                break;
        }
        // Alt with a letter is a mnemonic, not a character (AltGr arrives as Ctrl+Alt).
        if (alt && !ctrl) return false;
        if (ctrl && !alt && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z)
            return controlCode(e->key() - Qt::Key_A + 1);
        const QString text = e->text();
        if (text.isEmpty()) return false;
        const char32_t ch = text.toUcs4().value(0);
        if (ch >= 32 && ch <= 126) return type(static_cast<std::int16_t>(ch));
        if (ch < 32 || ch == 127) return controlCode(static_cast<std::int16_t>(ch));
        return foreign(text, ch);
    }

    bool type(std::int16_t k) {
        view_.act([&] { box().typeKey(k); });
        mirror();
        return true;
    }

    // Copy, paste, undo and the like: the key handler may refuse them (the numeric filter
    // does); a key it lets through does what the line edit does with it.
    bool controlCode(std::int16_t k) {
        if (!box().onKeyPress) return false;
        view_.act([&] { box().onKeyPress(k); });
        if (k == 0) {
            mirror();
            return true;
        }
        return false;
    }

    // A character beyond ASCII: the key handler may refuse it; otherwise it goes in as typed.
    bool foreign(const QString& text, char32_t ch) {
        std::int16_t k = static_cast<std::int16_t>(std::min<char32_t>(ch, 0x7fff));
        view_.act([&] {
            if (box().onKeyPress) box().onKeyPress(k);
            if (k != 0) box().paste(FromQ(text));
        });
        mirror();
        return true;
    }

    void takeQtEdit() {
        if (mirroring_ || !live()) return;
        const std::string now = FromQ(edit_->text());
        const std::string was = box().text();
        if (now != was) {
            size_t prefix = 0;
            while (prefix < now.size() && prefix < was.size() && now[prefix] == was[prefix])
                ++prefix;
            size_t suffix = 0;
            while (suffix < now.size() - prefix && suffix < was.size() - prefix &&
                   now[now.size() - 1 - suffix] == was[was.size() - 1 - suffix])
                ++suffix;
            view_.act([&] {
                box().setSelection(static_cast<int>(prefix),
                                   static_cast<int>(was.size() - prefix - suffix));
                box().paste(now.substr(prefix, now.size() - prefix - suffix));
            });
        }
        // The caret Qt left after its edit, unless the model refused the edit.
        if (live() && FromQ(edit_->text()) == box().text()) takeSelection();
        mirror();
    }

    void takeSelection() {
        if (mirroring_ || !live()) return;
        const QString text = edit_->text();
        if (FromQ(text) != box().text()) return;  // an edit in flight; takeQtEdit follows
        auto [start, end] = qtSelection();
        int s = BytePos(text, start);
        int e = BytePos(text, end);
        if (s == box().selStart() && e - s == box().selLength()) return;
        QScopedValueRollback guard(mirroring_, true);
        box().setSelection(s, e - s);
    }

    FieldEdit* edit_;
};

// --- ComboBox ---

class ComboBinder : public Binder {
  public:
    ComboBinder(FormView& v, ui::Control& c, QWidget* parent) : Binder(v, c) {
        combo_ = new QComboBox(parent);
        combo_->setInsertPolicy(QComboBox::NoInsert);
        QObject::connect(combo_, &QComboBox::activated, this, [this](int i) {
            auto& cb = box();
            view_.act([&] {
                cb.form().setFocus(&cb);
                if (cb.form().focused() == &cb) cb.setListIndex(i);
            });
            mirror();
        });
        attach(combo_);
    }

  protected:
    void mirrorState() override {
        auto& cb = box();
        const bool editable = cb.style == ComboBox::Style::DropDownCombo;
        if (combo_->isEditable() != editable) {
            combo_->setEditable(editable);
            if (editable) {
                QObject::connect(combo_->lineEdit(), &QLineEdit::textEdited, this,
                                 [this](const QString& t) {
                                     if (mirroring_ || !live()) return;
                                     view_.act([&] { box().setText(FromQ(t)); });
                                     mirror();
                                 });
            }
        }
        QSignalBlocker block(combo_);
        bool same = combo_->count() == cb.listCount();
        for (int i = 0; same && i < cb.listCount(); ++i)
            same = combo_->itemText(i) == ToQ(cb.list(i)) &&
                   combo_->itemData(i).toLongLong() == cb.itemData(i);
        if (!same) {
            combo_->clear();
            for (int i = 0; i < cb.listCount(); ++i)
                combo_->addItem(ToQ(cb.list(i)), QVariant::fromValue<qlonglong>(cb.itemData(i)));
        }
        if (combo_->currentIndex() != cb.listIndex()) combo_->setCurrentIndex(cb.listIndex());
        if (editable && combo_->currentText() != ToQ(cb.text()))
            combo_->setEditText(ToQ(cb.text()));
    }

  private:
    ComboBox& box() const { return static_cast<ComboBox&>(control_); }
    QComboBox* combo_;
};

}  // namespace

void AddExportAction(FormView& view, QMenu& menu) {
    ui::Form* form = view.form();
    if (!form) return;
    for (auto& c : form->controls()) {
        if (c->kind() != Kind::CommandButton || c->name() != ui::kExportCommand || !c->visible() ||
            !c->enabled())
            continue;
        auto* button = static_cast<CommandButton*>(c.get());
        menu.addAction(QString::fromUtf8("&Export\u2026"), &view, [&view, button] {
            view.act([&] {
                if (view.form()) button->form().clickButton(*button);
            });
        });
        return;
    }
}

std::unique_ptr<Binder> MakeBinder(FormView& view, ui::Control& control, QWidget* parent) {
    switch (control.kind()) {
        case Kind::TextBox:
            return std::make_unique<TextBinder>(view, control, parent);
        case Kind::Label:
            return std::make_unique<LabelBinder>(view, control, parent);
        case Kind::CommandButton:
            return std::make_unique<ButtonBinder>(view, control, parent);
        case Kind::OptionButton:
            return std::make_unique<OptionBinder>(view, control, parent);
        case Kind::CheckBox:
            return std::make_unique<CheckBinder>(view, control, parent);
        case Kind::ComboBox:
            return std::make_unique<ComboBinder>(view, control, parent);
        case Kind::Frame:
            return std::make_unique<FrameBinder>(view, control, parent);
        case Kind::Grid:
            return MakeGridBinder(view, control, parent);
        case Kind::PictureBox:
            return std::make_unique<PictureBinder>(view, control, parent);
        case Kind::TabStrip:
            // Catalogue pages never name their strip in their layout; a window that does shows it.
            return MakeTabBinder(view, control, parent);
    }
    return nullptr;
}

}  // namespace ui::qt
