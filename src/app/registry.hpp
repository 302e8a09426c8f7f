// The screens, the wizard's state, its flow and the services of one run. Each screen object is
// created on its first reference and lives until the registry goes.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "app/documents.hpp"
#include "app/flow.hpp"
#include "app/screen.hpp"
#include "app/services.hpp"
#include "app/wizard_state.hpp"

namespace app {

class Registry {
public:
    // Real services when none are given.
    explicit Registry(std::unique_ptr<Beeper> beeper = nullptr,
                      std::unique_ptr<ProgramEnd> end = nullptr,
                      std::unique_ptr<PrintService> printer = nullptr);
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    // Makes the screen of an id; the window layer installs it at start-up.
    using ScreenFactory = std::function<std::unique_ptr<Screen>(Registry&, ScreenId)>;
    void setScreenFactory(ScreenFactory factory) { factory_ = std::move(factory); }

    // The one instance of a screen, created (not loaded) on first reference.
    Screen& screen(ScreenId id);
    // The instance if it has been created, else null (does not create it).
    Screen* existing(ScreenId id) const { return byId_[static_cast<std::size_t>(id)]; }
    // The same by the screen's class, for start-up and tests.
    template <class S> S& screen() { return static_cast<S&>(screen(S::kId)); }

    WizardState& state() { return state_; }
    Flow& flow() { return flow_; }

    Beeper& beeper() { return *beeper_; }
    DocumentDialogs& documentDialogs() { return *documentDialogs_; }
    void setDocumentDialogs(std::unique_ptr<DocumentDialogs> d) { documentDialogs_ = std::move(d); }
    Documents& documents() { return documents_; }
    PrintService& printer() { return *printer_; }
    // The print preview of the reports: Qt's unless another was set.
    ReportPreview& reportPreview();
    void setReportPreview(std::unique_ptr<ReportPreview> preview) {
        reportPreview_ = std::move(preview);
    }

    // The folders the size tables are read from, first match wins: by default the working
    // directory, then the data folder beside the program.
    const std::vector<std::filesystem::path>& dataFolders() const { return dataFolders_; }
    void setDataFolders(std::vector<std::filesystem::path> folders) {
        dataFolders_ = std::move(folders);
    }

    // Ends the program at once: from here on no screen loads, shows or handles events.
    void endProgram();
    bool hasEnded() const { return ended_; }

private:
    std::vector<std::unique_ptr<Screen>> owned_; // in the order of creation
    std::array<Screen*, static_cast<std::size_t>(kLastScreen) + 1> byId_{};
    ScreenFactory factory_;
    WizardState state_;
    Flow flow_{*this};
    std::unique_ptr<Beeper> beeper_;
    std::unique_ptr<ProgramEnd> end_;
    std::unique_ptr<PrintService> printer_;
    std::unique_ptr<ReportPreview> reportPreview_;
    std::unique_ptr<DocumentDialogs> documentDialogs_ = std::make_unique<QtDocumentDialogs>();
    Documents documents_{*this};
    std::vector<std::filesystem::path> dataFolders_;
    bool ended_ = false;
};

} // namespace app
