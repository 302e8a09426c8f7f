#include "cli/beam_options.hpp"

#include "common/numtext.hpp"

namespace cli {

std::optional<beam::LoadUnit> parseUnit(const std::string& text) {
    if (text == "N") return beam::LoadUnit::N;
    if (text == "kN") return beam::LoadUnit::kN;
    if (text == "kg") return beam::LoadUnit::kg;
    return std::nullopt;
}

std::string problemReason(beam::Problem problem) {
    switch (problem) {
    case beam::Problem::LoadNotPositive:
        return "the load must be a positive number";
    case beam::Problem::SpanNotPositive:
        return "the span must be a positive number";
    case beam::Problem::L1NotPositive:
        return "L1 must be a positive number";
    case beam::Problem::UnknownCase:
        return "no such structure and load case";
    default:
        break;
    }
    std::string message(beam::problemMessage(problem));
    if (!message.empty() && message.front() == ' ') message.erase(0, 1);
    return message;
}

std::optional<int> smallInteger(const std::string& text, int low, int high) {
    const std::optional<int> v = wholeNumber(text);
    if (!v || *v < low || *v > high) return std::nullopt;
    return v;
}

std::optional<std::string> readBeam(const Options& o, beam::Inputs& in) {
    for (const char* name : {"structure", "case", "load", "span"})
        if (!o.has(name)) return std::string("--") + name + " is required";
    const auto structure = smallInteger(*o.get("structure"), 1, 5);
    if (!structure) return "--structure takes 1 to 5";
    const auto loadCase = smallInteger(*o.get("case"), 1, 3);
    if (!loadCase) return "--case takes 1 to 3";
    const auto unit = parseUnit(o.get("unit", "N"));
    if (!unit) return "--unit takes N, kN or kg";

    in.structure = static_cast<beam::Structure>(*structure);
    in.loadCase = static_cast<beam::LoadCase>(*loadCase);
    if (o.has("per-metre")) {
        if (!beam::isDistributed(in.structure, in.loadCase))
            return "--per-metre applies to a uniform load only";
        in.loadMode = beam::LoadMode::PerMetre;
    }
    if (beam::usesL1(in.structure, in.loadCase) != o.has("l1"))
        return o.has("l1") ? "--l1 is not used by this load case"
                           : "--l1 is required by this load case";
    in.loadN = beam::toNewtons(numtext::value(*o.get("load")), *unit);
    in.spanMm = numtext::value(*o.get("span"));
    in.l1Mm = numtext::value(o.get("l1", ""));
    return std::nullopt;
}

} // namespace cli
