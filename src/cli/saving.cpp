#include "cli/saving.hpp"

#include <charconv>

#include "catalog/materials.hpp"
#include "cli/cli.hpp"

namespace cli {

bool listMaterial(const std::string& text, check::Material& m) {
    int entry = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), entry);
    const catalog::Material* chosen =
        ec == std::errc() && end == text.data() + text.size() ? catalog::material(entry) : nullptr;
    if (!chosen) return false;
    const catalog::MaterialTexts t = catalog::siTexts(*chosen);
    m.entry = entry;
    m.typed = false;
    m.kmage = t.kmage;
    m.kashuku = t.kashuku;
    m.ksendan = t.ksendan;
    m.yang = t.yang;
    m.hiju = t.hiju;
    return true;
}

int saveCheck(std::string_view command, const Options& o, check::Check& c, std::ostream& err) {
    c.title = o.get("title", "");
    c.member = o.get("member", "");
    c.program = check::programName();
    if (auto failure = check::writeFile(*o.get("save"), c)) {
        err << command << ": " << failure->message << '\n';
        return kNoResult;
    }
    return kOk;
}

} // namespace cli
