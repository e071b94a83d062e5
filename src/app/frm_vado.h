#pragma once

#include "shared/calculator_form.h"

namespace vado {

// The main page: the program's title, its version and the documentation button.
class FrmVado : public CatalogueForm {
public:
    explicit FrmVado(AppContext& app);

    ui::Frame& fraPage;
    ui::PictureBox& Image1;
    ui::Label& lblProductName;
    ui::Label& lblVersion;
    ui::CommandButton& cmdHelp;
    ui::CommandButton& cmdExit;
    ui::Label& lbl0Info;

protected:
    void Form_Load() override;
};

// A catalogue page whose calculator is not yet in the program: its tab, its title and Exit.
class FrmPending : public CatalogueForm {
public:
    FrmPending(AppContext& app, std::string name, std::string title, short catalogueNumber);
    ui::Label& lblTitle;
    ui::Label& lblNote;
    ui::CommandButton& cmdExit;
};

}  // namespace vado
