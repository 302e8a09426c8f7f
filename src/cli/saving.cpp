#include "cli/saving.hpp"

#include "catalog/materials.hpp"
#include "cli/cli.hpp"

namespace cli {

bool listMaterial(const std::string& text, check::Material& m) {
    const std::optional<int> entry = wholeNumber(text);
    const catalog::Material* chosen = entry ? catalog::material(*entry) : nullptr;
    if (!chosen) return false;
    const catalog::MaterialTexts t = catalog::siTexts(*chosen);
    m.entry = *entry;
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
