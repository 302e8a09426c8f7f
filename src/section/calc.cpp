#include "section/calc.hpp"

namespace section {

Outcome calc01(const Inputs& in) {
    Outcome out;
    out.hen = in.hen;
    const auto shape = shapeLayout(in.shape);
    if (!shape) return out;
    out.hen = effectiveDimensions(*shape, in.hen);
    const Dimensions& h = out.hen;
    if (!guardPasses(*shape, h)) {
        out.status = Status::Incomplete;
        return out;
    }
    if (const auto message = failedCheck(*shape, h)) {
        out.status = Status::Refused;
        out.bikou = std::string(*message);
        out.beep = true;
        return out;
    }
    const auto properties = computeProperties(*shape, h, in.dhijuv);
    if (!properties) {
        out.status = Status::OutOfRange;
        return out;
    }
    out.status = Status::Computed;
    out.properties = properties;
    out.designation = sizeDesignation(in.shape, h);
    out.display = kekkaHyouji(*properties);
    out.beep = out.display->beep;
    out.flgDSize = out.display->flgDSize;
    out.sketch = danmenZu(in.shape, h, in.frame);
    out.bikou = centroidNote(in.shape, properties->e3);
    return out;
}

} // namespace section
