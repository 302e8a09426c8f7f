// The check file reader: the bytes are a file. Either it is refused with a message that names
// the file, or it is a check that saves to a text which opens as the same check and saves to
// the same text again.
#include "check.hpp"

#include "check/check.hpp"

#include <string>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const auto read = check::parse(bytes, "fuzz.hari");
    if (const auto* refused = std::get_if<check::Refusal>(&read)) {
        fuzz::require(refused->message.rfind("「fuzz.hari」", 0) == 0,
                      "a refusal names the file", refused->message);
        return 0;
    }
    const check::Check& c = std::get<check::Check>(read);
    const auto saved = check::toJson(c, "fuzz.hari");
    const auto* text = std::get_if<std::string>(&saved);
    fuzz::require(text != nullptr, "a check that opened saves",
                  [&] { return std::get<check::Refusal>(saved).message; });
    const auto again = check::parse(*text, "fuzz.hari");
    const auto* reopened = std::get_if<check::Check>(&again);
    fuzz::require(reopened != nullptr, "a saved check opens again", [&] {
        return std::get<check::Refusal>(again).message + "\n" + *text;
    });
    fuzz::require(*reopened == c, "a saved check opens with the same values", *text);
    const auto resaved = check::toJson(*reopened, "fuzz.hari");
    fuzz::require(std::get<std::string>(resaved) == *text, "saving again gives the same text",
                  *text);
    return 0;
}
