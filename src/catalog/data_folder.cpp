#include "catalog/data_folder.hpp"

#include <system_error>

namespace catalog {

std::filesystem::path executableFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) return {};
    return exe.parent_path();
}

std::vector<std::filesystem::path> defaultDataFolders() {
    std::vector<std::filesystem::path> folders;
    std::error_code ec;
    const std::filesystem::path cwd = std::filesystem::current_path(ec);
    folders.push_back(ec ? std::filesystem::path(".") : cwd);
    const std::filesystem::path exe = executableFolder();
    if (exe.empty()) return folders;
    folders.push_back(exe / "data");
    // Installed: bin/hari and share/hari/data, found relative so that an unpacked package works.
    folders.push_back(exe.parent_path() / "share" / "hari" / "data");
    return folders;
}

std::filesystem::path locateDataFile(std::string_view name,
                                     std::span<const std::filesystem::path> folders) {
    for (const std::filesystem::path& folder : folders) {
        std::error_code ec;
        const std::filesystem::path candidate = folder / name;
        if (std::filesystem::is_regular_file(candidate, ec)) return candidate;
    }
    if (folders.empty()) return std::filesystem::path(name);
    return folders.front() / name;
}

} // namespace catalog
