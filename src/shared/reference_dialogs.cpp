#include "shared/reference_dialogs.h"

#include "shared/number_format.h"

namespace vado {

ReferenceDialog::ReferenceDialog(std::string name, ui::Services& services)
    : ui::Form(std::move(name), services),
      MSFlexGrid1(add<ui::Grid>("MSFlexGrid1")),
      cmdOK(add<ui::CommandButton>("cmdOK")),
      cmdCancel(add<ui::CommandButton>("cmdCancel")) {
    cmdOK.setCaption("OK");
    cmdOK.isDefault = true;
    cmdCancel.setCaption("Cancel");
    cmdCancel.isCancel = true;
    MSFlexGrid1.fixedRows = 1;
    MSFlexGrid1.fixedCols = 0;
    cmdOK.onClick = [this] { Choose(); };
    MSFlexGrid1.onDblClick = [this] { Choose(); };
    cmdCancel.onClick = [this] { Close(); };
    layout.sections = {{.rows = {{{{"MSFlexGrid1"}, 2}}}},
                       {.rows = {{{{"cmdOK"}}, {{"cmdCancel"}}}}, .centered = true}};
}

void ReferenceDialog::Open(ui::TextBox& target) {
    Load();
    TargetField = &target;
    ShowModal();
}

namespace {

struct Row {
    const char* value;
    const char* description;
};

void Fill(ui::Grid& grid, const char* format, std::initializer_list<Row> rows) {
    grid.setCols(2);
    grid.setRows(static_cast<int>(rows.size()) + 1);
    grid.setFormatString(format);
    int r = 1;
    for (const Row& row : rows) {
        grid.setTextMatrix(r, 0, row.value);
        grid.setTextMatrix(r, 1, row.description);
        ++r;
    }
    grid.row = 1;
    grid.col = 0;
}

}  // namespace

FrmManningsN::FrmManningsN(ui::Services& services) : ReferenceDialog("frmManningsN", services) {
    setCaption("Mannings n Value Help");
}

void FrmManningsN::Form_Load() {
    Fill(MSFlexGrid1, "^         N     |                        Pipe Material",
         {{"0.012", "PVC Plastic"},
          {"0.015", "Corrugated Plastic"},
          {"0.016", "Concrete"},
          {"0.020", "Corrugated Metal"}});
}

void FrmManningsN::Choose() {
    int r = MSFlexGrid1.row;
    if (r >= 1 && TargetField) TargetField->setText(MSFlexGrid1.textMatrix(r, 0));
    Close();
}

FrmKeHelp::FrmKeHelp(ui::Services& services) : ReferenceDialog("frmKeHelp", services) {
    setCaption("Ke Typical Values");
}

void FrmKeHelp::Form_Load() {
    Fill(MSFlexGrid1,
         "^typ. Ke value     |                 Type of Structure and Design of Entrance",
         {{"", "Pipe, Concrete"},
          {"0.2", "  Projecting from fill, socket end(groove-end)"},
          {"0.5", "  Projecting from fill, square cut end"},
          {"   ", "  Headwall or Headwall and wingwalls"},
          {"0.2", "     Socket end of pipe (groove-end)"},
          {"0.5", "     Square-end"},
          {"0.2", "     Rounded (radius = 1/12d)"},
          {"0.7", "  Mitered to conform to fill slope"},
          {"0.5", "  End section conforming to fill slope"},
          {"   ", "Pipe or Pipe-Arch, Corrugated Metal"},
          {"0.9", "  Projecting from fill (no headwall)"},
          {"0.5", "  Headwall or headwall and wingwalls square-edge"},
          {"0.7", "  Mitered to conform to fill slope"},
          {"0.5", "  End section conforming to fill slope"}});
}

void FrmKeHelp::Choose() {
    int r = MSFlexGrid1.row;
    const std::string& value = MSFlexGrid1.textMatrix(r, 0);
    if (r >= 1 && !Trim(value).empty()) {
        if (TargetField) TargetField->setText(value);
        Close();
        return;
    }
    services().MsgBox("Please select a value or Cancel", "Empty value", ui::MsgIcon::None);
}

}  // namespace vado
