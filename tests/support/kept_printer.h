#pragma once

#include <memory>
#include <vector>

#include "ui/recording_printer.h"

namespace vado::report::test {

// What a print job left on its printer, kept after the job has dropped the printer.
struct KeptJob {
    std::vector<ui::RecordedOp> ops;
    bool ended = false;
    bool killed = false;
    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (auto& op : ops)
            if (op.kind == ui::RecordedOp::Kind::Text) t.push_back(op.text);
        return t;
    }
};

class KeptPrinter : public ui::RecordingPrinter {
  public:
    explicit KeptPrinter(std::vector<KeptJob>& sink) : sink_(sink) {}
    ~KeptPrinter() override { sink_.push_back({ops, ended, killed}); }

  private:
    std::vector<KeptJob>& sink_;
};

// A printer selection that hands out recording printers and keeps their jobs.
inline auto KeepJobs(std::vector<KeptJob>& sink) {
    return
        [&sink]() -> std::unique_ptr<ui::Printer> { return std::make_unique<KeptPrinter>(sink); };
}

}  // namespace vado::report::test
