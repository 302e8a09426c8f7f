// The sizes a ranking runs through: those the size screen lists for the material and shape, or
// every listed shape of the material's size table.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "catalog/size_table.hpp"

namespace choose {

// The shapes whose sizes the size screen lists for a material, in shape-code order.
std::vector<int> listedShapes(int zaitype);

struct Sizes {
    std::vector<catalog::SizeRow> rows;  // shape by shape, each in file order
    std::optional<std::string> fileName; // none: the material has no size table
    std::filesystem::path path;
    std::string error; // the file could not be read (names it); empty otherwise

    bool ok() const { return error.empty(); }
};

// The sizes of one shape (the size screen's list), or of every listed shape when `shape` is
// none. A shape the size screen lists no sizes for gives none.
Sizes loadSizes(int zaitype, std::optional<int> shape,
                std::span<const std::filesystem::path> folders);

// Why a shape has nothing to rank for a material; empty when its table has sizes of it.
std::string whyNoSizes(int shape, const Sizes& sizes);

} // namespace choose
