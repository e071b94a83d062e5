#pragma once

#include "ui/form.h"

namespace vado {

// A modal table of typical values; choosing a row writes its value into the caller's field, whose
// change handler then runs as if the user had typed it.
class ReferenceDialog : public ui::Form {
public:
    ReferenceDialog(std::string name, ui::Services& services);

    ui::TextBox* TargetField = nullptr;
    ui::Grid& MSFlexGrid1;
    ui::CommandButton& cmdOK;
    ui::CommandButton& cmdCancel;

    // Sets the target and shows the dialog modally over its caller.
    void Open(ui::TextBox& target);

protected:
    // OK or a double-click on a row.
    virtual void Choose() = 0;
    void Close() { Unload(); }
};

// Manning's n of four pipe materials.
class FrmManningsN : public ReferenceDialog {
public:
    explicit FrmManningsN(ui::Services& services);

protected:
    void Form_Load() override;
    void Choose() override;
};

// Entrance loss coefficients Ke, grouped under headings that cannot be chosen.
class FrmKeHelp : public ReferenceDialog {
public:
    explicit FrmKeHelp(ui::Services& services);

protected:
    void Form_Load() override;
    void Choose() override;
};

}  // namespace vado
