#include "app/registry.hpp"

#include "catalog/data_folder.hpp"

namespace app {

Registry::Registry(std::unique_ptr<Beeper> beeper, std::unique_ptr<ProgramEnd> end,
                   std::unique_ptr<PrintService> printer)
    : beeper_(beeper ? std::move(beeper) : std::make_unique<QtBeeper>()),
      end_(end ? std::move(end) : std::make_unique<QtProgramEnd>()),
      printer_(printer ? std::move(printer) : std::make_unique<QtPrintService>()),
      dataFolders_(catalog::defaultDataFolders()) {}

Registry::~Registry() {
    // Screens go in the reverse order of their creation.
    while (!owned_.empty())
        owned_.pop_back();
}

Screen& Registry::screen(ScreenId id) {
    Screen*& slot = byId_[static_cast<std::size_t>(id)];
    if (!slot) {
        owned_.push_back(factory_(*this, id));
        slot = owned_.back().get();
    }
    return *slot;
}

ReportPreview& Registry::reportPreview() {
    if (!reportPreview_) reportPreview_ = std::make_unique<QtReportPreview>();
    return *reportPreview_;
}

void Registry::endProgram() {
    if (ended_) return;
    ended_ = true;
    end_->end();
}

} // namespace app
