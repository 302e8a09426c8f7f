// The check file: what a file written by hand reads as, that saving and opening keep every
// value as it was written, each refusal, and the atomic save.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "check/check.hpp"

namespace {

namespace fs = std::filesystem;

std::string corpus(const std::string& name) {
    std::ifstream in(fs::path(HARI_SOURCE_DIR) / "fuzz/corpus/check_file" / name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

check::Check opened(const std::string& bytes) {
    auto r = check::parse(bytes, "a.hari");
    if (auto* refused = std::get_if<check::Refusal>(&r)) ADD_FAILURE() << refused->message;
    return std::get_if<check::Check>(&r) ? std::get<check::Check>(r) : check::Check{};
}

std::string refusal(const std::string& bytes) {
    auto r = check::parse(bytes, "壊れた.hari");
    if (auto* refused = std::get_if<check::Refusal>(&r)) return refused->message;
    return "(opened)";
}

TEST(CheckFile, AFileWrittenByHandReadsAsItSaysAndSavesAsItWasWritten) {
    using beam::LoadMode, beam::LoadUnit, check::DisplayUnits, check::SectionSource;
    const check::Check table{
        check::Road::BeamCalculation,
        beam::Structure::SimplySupported,
        beam::LoadCase::Case2,
        {1, false, "", "157", "157", "90.5", "205000", "7.85"},
        {SectionSource::Table, 9, "H-100×100×6×8", "21.59", "16.95", "75.6", "378", "4.18", {}},
        {"1000", "2000", "500", LoadUnit::N, LoadMode::Total, DisplayUnits::SI, "75.60", "378.00",
         "205000", "16.95", "157"},
        "倉庫 A 棟",
        "B1 小梁",
        "hari 5.3.3"};
    EXPECT_EQ(opened(corpus("beam_table.hari")), table);
    const check::Check calculator{
        check::Road::BeamCalculation,
        beam::Structure::Cantilever,
        beam::LoadCase::Case3,
        {5, true, "杉 特注", "10.3", "8.8", "0.74", "7000", "0.38"},
        {SectionSource::Calculator, 19, "", "", "", "", "", "", {"105", "45"}},
        {"2.5", "1800", "600", LoadUnit::kN, LoadMode::PerMetre, DisplayUnits::Old, "", "", "7000",
         "", "10.3"},
        "",
        "",
        "hari 5.3.3"};
    EXPECT_EQ(opened(corpus("beam_calculator.hari")), calculator);

    // \u escapes, the section road without a structure or inputs.
    const check::Check road = opened(corpus("section_road.hari"));
    EXPECT_EQ(road.road, check::Road::SectionProperties);
    EXPECT_EQ(road.title, "円管");
    EXPECT_EQ(road.section.dims, (std::vector<std::string>{"60.5", "3.2"}));

    // Saved, every file opens as it was written.
    for (const char* name :
         {"beam_table.hari", "beam_calculator.hari", "beam_typed.hari", "section_road.hari"}) {
        SCOPED_TRACE(name);
        const check::Check c = opened(corpus(name));
        const auto text = check::toJson(c, name);
        ASSERT_TRUE(std::holds_alternative<std::string>(text));
        EXPECT_EQ(opened(std::get<std::string>(text)), c);
    }
    const std::string typed =
        std::get<std::string>(check::toJson(opened(corpus("beam_typed.hari")), "t.hari"));
    // Numbers stay as they were typed, not as the shortest form of the double.
    EXPECT_NE(typed.find("\"area\": 12.50,"), std::string::npos) << typed;
    EXPECT_NE(typed.find("\"kmage\": 1.56e2,"), std::string::npos) << typed;
    EXPECT_NE(typed.find("\"load\": \" 50 kg\","), std::string::npos) << typed;
    // A section-road file names no structure and no inputs.
    const std::string roadText = std::get<std::string>(check::toJson(road, "r.hari"));
    EXPECT_EQ(roadText.find("structure"), std::string::npos);
    EXPECT_EQ(roadText.find("inputs"), std::string::npos);
}

// "5." is not a JSON number: written as 5.
TEST(CheckFile, BoxTextsBecomeTheNumbersAFileKeeps) {
    const struct {
        const char *box, *kept; // none: no number
    } cases[] = {{" 12.50 ", "12.50"}, {"205000", "205000"}, {"5.", "5"},
                 {".25", "0.25"},      {"1e3", "1e3"},       {"0", nullptr},
                 {"-3", nullptr},      {"1,9", nullptr},     {"", nullptr}};
    for (const auto& c : cases)
        EXPECT_EQ(check::numberText(c.box),
                  c.kept ? std::optional<std::string>(c.kept) : std::nullopt)
            << c.box;
}

// A valid file with one text replaced.
std::string edited(const std::string& from, const std::string& to,
                   const char* name = "beam_table.hari") {
    std::string s = corpus(name);
    const std::size_t at = s.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? s : s.replace(at, from.size(), to);
}

TEST(CheckFile, EachKindOfBadFileIsRefusedNamingTheFileAndTheFault) {
    const struct {
        std::string bytes, says;
    } cases[] = {
        {"", "JSON の形式ではありません（1 行目: 値がない）"},
        {"倉庫の梁\n", "JSON の形式ではありません"},
        {edited("\"road\": \"beam\",", "\"road\": \"beam\""),
         "JSON の形式ではありません（8 行目: 「,」か「}」がない）"},
        {edited("倉庫", "\xE5\x80"), "UTF-8 ではないバイト"},
        {edited("\"road\"", "\"title\""), "「title」が二度ある"},
        {"[1, 2]", "hari の検討ファイルではありません"},
        {"{\"format\": \"excel\", \"version\": 1}", "hari の検討ファイルではありません"},
        {edited("\"version\": 1", "\"version\": 2"), "新しい版（第 2 版）"},
        {edited("\"version\": 1", "\"version\": 0"), "「version」は 1 以上の整数"},
        {std::string(check::kMaxFileBytes + 1, ' '), "大きすぎます（1 MiB を超えています）"},
        {edited("\"structure\": 3,", ""), "「structure」がありません"},
        {edited("\"hiju\": 7.85", "\"hiju\": \"7.85\""), "「material.hiju」は数値でなければ"},
        {edited("\"typed\": false", "\"typed\": 0"), "「material.typed」は true か false"},
        {edited("\"loadCase\": 2", "\"loadCase\": 2.5"), "「loadCase」は整数"},
        {edited("\"load\": \"1000\"", "\"load\": 1000"), "「inputs.load」は文字列"},
        {edited("\"yang\": 205000", "\"yang\": 1e400"), "「material.yang」の 1e400 は使えません"},
        {edited("\"area\": 21.59", "\"area\": -21.59"), "「section.area」の -21.59 は使えません"},
        {edited("\"z\": 75.6", "\"z\": 0"), "「section.z」の 0 は使えません"},
        {edited("\"structure\": 3", "\"structure\": 6"),
         "「structure」の 6 という梁形式はありません"},
        {edited("\"loadCase\": 2", "\"loadCase\": 0"),
         "「loadCase」の 0 という荷重条件はありません"},
        {edited("\"entry\": 1", "\"entry\": 15"),
         "「material.entry」の 15 という材質番号はありません"},
        {edited("\"shape\": 9", "\"shape\": 7"),
         "「section.shape」の 7 という断面形状はありません"},
        {edited("\"unit\": \"N\"", "\"unit\": \"lbf\""),
         "「inputs.unit」の「lbf」という荷重単位はありません"},
        {edited("\"source\": \"table\"", "\"source\": \"guess\""), "「section.source」の「guess」"},
        {edited("\"road\": \"beam\"", "\"road\": \"bridge\""), "「road」の「bridge」という道筋"},
        {edited("\"title\"", "\"colour\": 1, \"title\""),
         "「colour」という項目はこの形式にありません"},
        {edited("\"source\": \"table\",\n    \"shape\": 9",
                "\"source\": \"calculator\", \"shape\": 9, \"dims\": [1]"),
         "断面形状 9 は寸法から計算できません"},
        {edited("\"version\": 1", "\"version\": 1, \"size\": \"" + std::string(400, 'x') + "\""),
         "「size」という項目"},
        // The calculator's dimensions: as many as the shape has fields, each a number.
        {edited("[60.5,3.2]", "[60.5]", "section_road.hari"),
         "寸法が 2 つ必要です（1 つあります）"},
        {edited("[60.5,3.2]", "[60.5,\"3.2\"]", "section_road.hari"), "「section.dims[1]」は数値"},
        // The section road saves the calculator's sections only.
        {edited("{\"source\":\"calculator\",\"shape\":1,\"dims\":[60.5,3.2]}",
                "{\"source\":\"typed\",\"shape\":99,\"area\":1,\"mass\":1,\"z\":1,\"i\":1,"
                "\"radius\":1}",
                "section_road.hari"),
         "\"calculator\" でなければなりません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        const std::string message = refusal(c.bytes);
        EXPECT_EQ(message.rfind("「壊れた.hari」を開けません。", 0), 0u) << message;
        EXPECT_NE(message.find(c.says), std::string::npos) << message;
    }
}

TEST(CheckFile, ASaveThatWouldNotOpenIsRefusedBeforeItTouchesTheDisk) {
    check::Check badNumber = opened(corpus("beam_table.hari"));
    check::Check longTitle = badNumber;
    badNumber.material.yang = "abc";
    longTitle.title = std::string(3 * (check::kMaxNameChars + 1), 'x');
    for (const auto& [c, says] : {std::pair{badNumber, "「a.hari」に保存できません"},
                                  std::pair{longTitle, "「title」が長すぎます"}}) {
        const auto r = check::toJson(c, "a.hari");
        ASSERT_TRUE(std::holds_alternative<check::Refusal>(r)) << says;
        EXPECT_NE(std::get<check::Refusal>(r).message.find(says), std::string::npos);
    }
}

// A folder of this process's own: two runs at once never share it.
struct Folder {
    fs::path path = fs::temp_directory_path() / ("hari_check_" + std::to_string(::getpid()));
    Folder() { fs::create_directories(path); }
    ~Folder() { fs::remove_all(path); }
    std::vector<std::string> names() const {
        std::vector<std::string> n;
        for (const auto& e : fs::directory_iterator(path))
            n.push_back(e.path().filename().string());
        std::ranges::sort(n);
        return n;
    }
};

TEST(CheckFile, SavingReplacesTheFileWholeOrFailsSayingWhyLeavingTheEarlierFile) {
    Folder f;
    const check::Check first = opened(corpus("beam_table.hari"));
    check::Check second = first;
    second.inputs.load = "2000";
    const fs::path file = f.path / "梁.hari";
    ASSERT_EQ(check::writeFile(file, first), std::nullopt);
    ASSERT_EQ(check::writeFile(file, second), std::nullopt);
    EXPECT_EQ(f.names(), std::vector<std::string>{"梁.hari"});
    auto back = check::readFile(file);
    ASSERT_TRUE(std::holds_alternative<check::Check>(back));
    EXPECT_EQ(std::get<check::Check>(back), second);
    const check::Check& c = first;
    // The temporary file beside a name of 250 bytes would have a name too long to make.
    const fs::path longName = f.path / (std::string(245, 'a') + ".hari");
    { std::ofstream(longName) << "earlier"; }
    auto failure = check::writeFile(longName, c);
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->message.find("に保存できませんでした。ファイル名が長すぎます。"),
              std::string::npos)
        << failure->message;
    std::ifstream in(longName);
    std::string kept;
    std::getline(in, kept);
    EXPECT_EQ(kept, "earlier");
    // A folder of the same name cannot be replaced: the temporary file goes again.
    fs::create_directory(f.path / "folder.hari");
    failure = check::writeFile(f.path / "folder.hari", c);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message.rfind("「folder.hari」に保存できませんでした。", 0), 0u);
    EXPECT_EQ(f.names(), (std::vector<std::string>{std::string(245, 'a') + ".hari", "folder.hari",
                                                   "梁.hari"}));
    // A missing file. (A missing folder is the save command's test.)
    auto missing = check::readFile(f.path / "none.hari");
    ASSERT_TRUE(std::holds_alternative<check::Refusal>(missing));
    EXPECT_EQ(std::get<check::Refusal>(missing).message,
              "「none.hari」を開けません。ファイルがありません。");
}

} // namespace
