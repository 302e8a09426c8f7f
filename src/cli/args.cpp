#include "cli/args.hpp"

#include "cli/cli.hpp"
#include <algorithm>
#include <cstdio>

namespace cli {

Options::Options(std::span<const std::string> args, const std::set<std::string>& valued,
                 const std::set<std::string>& flags) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0) {
            error_ = "unexpected argument: " + a;
            return;
        }
        const std::string name = a.substr(2);
        if (flags.count(name)) {
            values_[name] = "";
        } else if (valued.count(name)) {
            if (i + 1 >= args.size()) {
                error_ = "--" + name + " needs a value";
                return;
            }
            values_[name] = args[++i];
        } else {
            error_ = "unknown option: " + a;
            return;
        }
    }
}

std::optional<std::string> Options::get(const std::string& name) const {
    auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::string Options::get(const std::string& name, const std::string& fallback) const {
    return get(name).value_or(fallback);
}

int Usage::refuse(std::ostream& err, std::string_view problem) const {
    err << command << ": " << problem << '\n' << text;
    return kUsage;
}

std::optional<OutputFormat> parseFormat(const std::string& text) {
    if (text == "table") return OutputFormat::Table;
    if (text == "kv") return OutputFormat::Kv;
    if (text == "json") return OutputFormat::Json;
    return std::nullopt;
}

std::optional<int> wholeNumber(const std::string& text) {
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoi(text);
}

std::string jsonEscape(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out.push_back(static_cast<char>(c));
            }
        }
    }
    return out;
}

void writeKv(std::ostream& out, const Fields& fields) {
    for (const auto& [name, text] : fields)
        out << name << '=' << text << '\n';
}

void writeJsonObject(std::ostream& out, const Fields& fields, const std::string& indent) {
    const bool multiline = !indent.empty();
    out << '{';
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out << ',';
        if (multiline) out << '\n' << indent;
        out << '"' << jsonEscape(fields[i].first) << "\": \"" << jsonEscape(fields[i].second)
            << '"';
    }
    if (multiline) out << '\n';
    out << '}';
}

std::size_t displayWidth(const std::string& text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        std::size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t cp = c;
        if (len > 1 && i + len <= text.size()) {
            cp = c & (0xFF >> (len + 1));
            for (std::size_t k = 1; k < len; ++k)
                cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        // East Asian wide ranges that occur in this program's texts.
        const bool wide = (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) ||
                          (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
                          (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
                          (cp >= 0xFFE0 && cp <= 0xFFE6);
        width += wide ? 2 : 1;
        i += len;
    }
    return width;
}

void writeTable(std::ostream& out, const Fields& rows) {
    std::size_t labelWidth = 0;
    for (const auto& row : rows)
        labelWidth = std::max(labelWidth, displayWidth(row.first));
    for (const auto& [label, value] : rows) {
        out << label << std::string(labelWidth - displayWidth(label) + 2, ' ') << value << '\n';
    }
}

} // namespace cli
