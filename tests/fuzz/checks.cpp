#include "checks.h"

#include <cmath>

#include "person.h"
#include "ui/recording_printer.h"

namespace vado::fuzz {

namespace {

std::optional<Failure> CheckOps(const Program& p, const std::vector<ui::RecordedOp>& ops, const std::string& form,
                                const std::string& what) {
    for (const auto& op : ops) {
        if (!std::isfinite(op.x) || !std::isfinite(op.y) || !std::isfinite(op.x2) || !std::isfinite(op.y2))
            return Failure{"not-a-number", form, what + " draws at a coordinate that is no number"};
        if (p.Garbage(op.text)) return Failure{"not-a-number", form, what + " shows \"" + op.text + "\""};
    }
    return std::nullopt;
}

// Every picture of the form drawn as the screen draws it, at a usual size and a cramped one.
std::optional<Failure> CheckPictures(const Program& p, const ui::Form& form) {
    for (auto& c : form.controls()) {
        if (c->kind() != ui::Kind::PictureBox || !test::Usable(form, *c)) continue;
        const auto& picture = static_cast<const ui::PictureBox&>(*c);
        if (!picture.onPaint) continue;
        for (auto [w, h] : {std::pair{4800.0, 3600.0}, std::pair{300.0, 200.0}}) {
            ui::RecordingPrinter screen;
            picture.onPaint(screen, w, h);
            if (auto f = CheckOps(p, screen.ops, form.name(), c->fullName())) return f;
        }
    }
    return std::nullopt;
}

std::string Lines(const std::vector<std::string>& texts) {
    std::string all;
    for (const auto& t : texts) all += (all.empty() ? "" : " / ") + t;
    return all;
}

}  // namespace

Mark MarkOf(Program& p) { return {p.services.messages.size(), p.jobs().size()}; }

std::optional<Failure> CheckForm(const Program& p, const ui::Form& form) {
    for (auto& c : form.controls())
        for (const auto& t : test::Texts(*c))
            if (p.Garbage(t)) return Failure{"not-a-number", form.name(), c->fullName() + " shows \"" + t + "\""};
    return std::nullopt;
}

std::optional<Failure> CheckStep(Program& p, const Mark& before) {
    const auto& messages = p.services.messages;
    for (size_t i = before.messages; i < messages.size(); ++i) {
        const auto& m = messages[i];
        if (m.text.empty() || m.title.empty())
            return Failure{"empty-message", p.page().name(), "a message box titled \"" + m.title + "\" with text \"" + m.text + "\""};
        if (p.Garbage(m.text)) return Failure{"not-a-number", p.page().name(), "a message reads \"" + m.text + "\""};
    }
    std::vector<const ui::Form*> shown{&p.page()};
    for (ui::Form* f : p.services.visibleForms)
        if (f != &p.page()) shown.push_back(f);
    for (const ui::Form* f : shown) {
        if (auto failure = CheckForm(p, *f)) return failure;
        if (auto failure = CheckPictures(p, *f)) return failure;
    }
    for (ui::Form* w : p.module.resultWindows())
        if (w->loaded())
            if (std::string why = w->Inconsistency(); !why.empty()) return Failure{"inconsistent-window", w->name(), why};

    const auto& jobs = p.jobs();
    for (size_t i = before.jobs; i < jobs.size(); ++i) {
        const PrintedJob& job = jobs[i];
        const std::string report = "report " + std::to_string(job.code);
        if (!job.job.ended || job.job.killed) {
            const auto* dialog = p.module.reporting().dialog();
            return Failure{"report-failed", report, dialog ? dialog->lastError() : "the job was abandoned"};
        }
        // Every report comes after a Compute command that succeeded, but the water control table's:
        // it prints its last series when that is of the inputs now, whatever another page's Compute
        // did since (that the inputs compute is checked by printing them afresh).
        if (job.code != 118 && job.computeFailed)
            return Failure{"report-after-failed-compute", report, Lines(job.job.texts())};
        if (auto f = CheckOps(p, job.job.ops, report, "the printed page")) return f;
    }
    return std::nullopt;
}

}  // namespace vado::fuzz
