#include "choose/sizes.hpp"

#include <algorithm>
#include <iterator>

#include "catalog/data_folder.hpp"
#include "catalog/materials.hpp"
#include "catalog/shapes.hpp"

namespace choose {

std::vector<int> listedShapes(int zaitype) {
    std::vector<int> codes;
    const catalog::MaterialFamily family = catalog::familyOf(zaitype);
    if (!catalog::sizeTableFileName(zaitype)) return codes;
    for (const catalog::ShapeInfo& s : catalog::shapes())
        if (catalog::noListMode(s.code, family) == catalog::NoListMode::KeepsList)
            codes.push_back(s.code);
    return codes;
}

Sizes loadSizes(int zaitype, std::optional<int> shape,
                std::span<const std::filesystem::path> folders) {
    Sizes out;
    const auto fileName = catalog::sizeTableFileName(zaitype);
    if (!fileName) return out;
    out.fileName = std::string(*fileName);
    out.path = catalog::locateDataFile(*fileName, folders);
    const std::vector<int> listed = listedShapes(zaitype);
    std::vector<int> codes;
    if (!shape)
        codes = listed;
    else if (std::find(listed.begin(), listed.end(), *shape) != listed.end())
        codes = {*shape};
    for (int code : codes) {
        catalog::SizeTableRead read = catalog::readSizeTable(out.path, code);
        if (!read.ok()) {
            out.rows.clear();
            out.error = read.error;
            return out;
        }
        out.rows.insert(out.rows.end(), std::make_move_iterator(read.rows.begin()),
                        std::make_move_iterator(read.rows.end()));
    }
    return out;
}

std::string whyNoSizes(int shape, const Sizes& sizes) {
    if (!sizes.fileName) return "この材質にはサイズ表がありません。";
    if (!sizes.ok()) return "サイズ表「" + *sizes.fileName + "」を読み込めませんでした。";
    for (const catalog::SizeRow& row : sizes.rows)
        if (static_cast<int>(row[catalog::kFieldShape].value()) == shape) return {};
    return "この材質のサイズ表には、この形状のサイズがありません。";
}

} // namespace choose
