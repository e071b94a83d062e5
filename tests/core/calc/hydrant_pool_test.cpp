#include <gtest/gtest.h>

#include <cmath>

#include "app/main_module.h"
#include "calc/drainage/dry_hydrant.h"
#include "calc/drainage/frm_dry_hydrant.h"
#include "calc/drainage/plunge_pool.h"

namespace vado {
namespace {

dry_hydrant::Inputs Hydrant(double hydrant, double inlet, int type) {
    return {.q = 500, .c = 150, .pump = 100, .hydrant = hydrant, .water = std::min(95.0, hydrant),
            .inlet = inlet, .length = 50, .type = type};
}

TEST(DryHydrant, SizesChecksAndTheStandpipe) {
    auto first = dry_hydrant::Compute(Hydrant(100, 90, 0));
    EXPECT_EQ(first.size, 6);
    EXPECT_NEAR(first.head, 11.9, 0.05);
    EXPECT_EQ(first.standpipe, 9);
    auto beyond = dry_hydrant::Compute({.q = 1000, .c = 100, .pump = 100, .hydrant = 100, .water = 95,
                                        .inlet = 88, .length = 200});
    EXPECT_EQ(beyond.problem, dry_hydrant::Problem::BeyondCapability);
    EXPECT_EQ(beyond.size, 12);
    EXPECT_NEAR(beyond.head, 20.2, 0.05);

    const struct {
        double hydrant, inlet;
        int type;
        dry_hydrant::Problem problem;
        double standpipe;
    } cases[] = {
        {95.9, 90, 1, dry_hydrant::Problem::InletTooHigh, 0},
        {96.0, 90, 1, dry_hydrant::Problem::None, 5.0},  // (6 - 5 - 1) sqrt 2 + 5
        {90.5, 90, 0, dry_hydrant::Problem::None, 0},    // -0.5 clamped
        {100, 96, 0, dry_hydrant::Problem::Unreasonable, 0},
    };
    for (const auto& c : cases) {
        dry_hydrant::Inputs in = Hydrant(c.hydrant, c.inlet, c.type);
        if (c.problem == dry_hydrant::Problem::Unreasonable) in.water = 95;
        auto r = dry_hydrant::Compute(in);
        EXPECT_EQ(r.problem, c.problem) << c.hydrant;
        if (c.problem == dry_hydrant::Problem::None) {
            EXPECT_NEAR(r.standpipe, c.standpipe, 1e-12) << c.hydrant;
        }
    }
}

TEST(DryHydrant, ElbowsByTypeAndSize) {
    const struct {
        int type;
        short size;
        std::vector<std::string> elbows;
    } cases[] = {
        {0, 8, {"1 - 6 x 8 - 90 deg. elbow"}},
        {1, 6, {"2 - 6 x 6 - 45 deg. elbow"}},
        {1, 10, {"1 - 6 x 6 - 45 deg. elbow", "1 - 6 x 10 - 45 deg. elbow"}},
        {2, 12, {"1 - 6 x 12 - 45 deg. elbow"}},
    };
    for (const auto& c : cases) {
        auto lines = dry_hydrant::Materials(c.type, c.size, 9.4, 50);
        EXPECT_EQ(lines[0], c.type == 0 ? "1 - 90 deg. hydrant head assembly" : "1 - 45 deg. hydrant head assembly");
        EXPECT_EQ(lines[2], "9 - feet 6 in. standpipe");
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.end()), c.elbows) << c.type << " " << c.size;
    }
}

TEST(DryHydrant, QuietChecksAreSilentAndATypeChangeDropsTheResults) {
    ui::HeadlessServices services;
    MainModule module(services);
    module.SubMain();
    auto& page = static_cast<FrmDryHydrant&>(*module.FormList[17]);
    for (auto [i, text] : {std::pair{0, "100"}, {1, "100"}, {2, "95"}, {3, "0"}}) page.txtElev[i]->setText(text);
    page.txtElev[0]->setText("0");
    bool ok = false;
    page.RunCompute(false, ok);
    EXPECT_TRUE(ok) << "no field is held without a message";
    EXPECT_TRUE(services.messages.empty());
    page.txtElev[0]->setText("100");
    page.txtElev[3]->setText("90");
    page.clickButton(page.cmdCompute);
    ASSERT_TRUE(page.resultsValid());
    page.cboType.setListIndex(1);
    EXPECT_FALSE(page.resultsValid());
}

plunge_pool::Inputs Pool() {
    return {.rockIn = 12, .filterIn = 9, .pipeIn = 30, .q = 100, .slope = 0.01, .outlet = 102.5,
            .flow = 101.5, .grade = 100.0};
}

TEST(PlungePool, TheDefaultDesignStepByStep) {
    auto r = plunge_pool::Compute(Pool());
    ASSERT_EQ(r.problem, plunge_pool::Problem::None);
    EXPECT_NEAR(r.qp, 1.784, 5e-4);
    EXPECT_NEAR(r.vp, 20.37, 5e-3);
    EXPECT_NEAR(r.vz, 12.03, 5e-3);
    EXPECT_NEAR(r.vj, 23.66, 5e-3);
    EXPECT_NEAR(r.xi, 7.49, 5e-3);
    EXPECT_NEAR(r.f, 3.258, 5e-4);
    EXPECT_NEAR(r.zm, 9.934, 5e-4);
    EXPECT_DOUBLE_EQ(r.offset, 21.3);
    EXPECT_DOUBLE_EQ(r.depth, 7.9);
    auto rect = Pool();
    rect.rectangular = true;
    EXPECT_GT(plunge_pool::Compute(rect).riprap, r.riprap);
}

TEST(PlungePool, Refusals) {
    const struct {
        const char* name;
        void (*change)(plunge_pool::Inputs&);
        plunge_pool::Problem problem;
    } cases[] = {
        {"outlet at the flow", [](plunge_pool::Inputs& i) { i.outlet = i.flow; }, plunge_pool::Problem::None},
        {"outlet below the flow", [](plunge_pool::Inputs& i) { i.outlet = i.flow - 0.1; }, plunge_pool::Problem::OutletBelowFlow},
        {"flow below the grade", [](plunge_pool::Inputs& i) { i.grade = 101.6; }, plunge_pool::Problem::FlowBelowGrade},
        {"vertical pipe", [](plunge_pool::Inputs& i) { i.slope = 1.0; }, plunge_pool::Problem::VerticalPipe},
        {"small rock", [](plunge_pool::Inputs& i) { i.rockIn = 1; i.q = 200; }, plunge_pool::Problem::RockTooSmall},
        {"F below 2", [](plunge_pool::Inputs& i) { i.q = 1; i.rockIn = 99; }, plunge_pool::Problem::InvalidDesign},
        {"deep channel flow", [](plunge_pool::Inputs& i) { i.flow = 110; i.outlet = 110.5; }, plunge_pool::Problem::BottomAboveGrade},
    };
    for (const auto& c : cases) {
        auto in = Pool();
        c.change(in);
        auto r = plunge_pool::Compute(in);
        EXPECT_EQ(r.problem, c.problem) << c.name;
        EXPECT_FALSE(std::isnan(r.riprap) || std::isnan(r.filter)) << c.name;
    }
    // h0 / D exactly 1.0 keeps the 7.5 / -0.6 branch.
    auto in = Pool();
    in.outlet = in.flow + 2.5;
    auto r = plunge_pool::Compute(in);
    EXPECT_NEAR(r.zm, 7.5 * 2.5 * (1 - std::pow(2.718281828, -0.6 * (r.f - 2))), 1e-12);
}

}  // namespace
}  // namespace vado
