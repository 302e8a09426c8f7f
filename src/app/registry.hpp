// The screens and services of one run. Each screen object is created on its first reference
// and lives until the registry goes; screens reach each other through it.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

#include "app/screen.hpp"
#include "app/services.hpp"

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

    // The one instance of screen type S, created (not loaded) on first reference.
    template <class S> S& screen() {
        Screen*& slot = byType_[std::type_index(typeid(S))];
        if (!slot) {
            owned_.push_back(std::make_unique<S>(*this));
            slot = owned_.back().get();
        }
        return static_cast<S&>(*slot);
    }
    // The instance if it has been created, else null (does not create it).
    template <class S> S* existing() const {
        auto it = byType_.find(std::type_index(typeid(S)));
        return it == byType_.end() ? nullptr : static_cast<S*>(it->second);
    }

    Beeper& beeper() { return *beeper_; }
    PrintService& printer() { return *printer_; }

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
    std::map<std::type_index, Screen*> byType_;
    std::unique_ptr<Beeper> beeper_;
    std::unique_ptr<ProgramEnd> end_;
    std::unique_ptr<PrintService> printer_;
    std::vector<std::filesystem::path> dataFolders_;
    bool ended_ = false;
};

} // namespace app
