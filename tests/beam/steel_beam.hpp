// A steel beam's inputs as the calculation screen reads them: E = 205000 N/mm², an allowable
// bending stress of 160 N/mm², the load as a total.
#pragma once

#include "beam/dispatch.hpp"

#include <string>

namespace beamtest {

inline beam::Inputs steel(beam::Structure s, int loadCase, double loadN, double spanMm, double l1Mm,
                          std::string z, std::string i, std::string mass) {
    const auto lc = static_cast<beam::LoadCase>(loadCase);
    return {s, lc, beam::LoadMode::Total, loadN, spanMm, l1Mm, z, i, "205000", mass, "160"};
}

} // namespace beamtest
