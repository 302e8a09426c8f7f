#include "report/report_command.hpp"

#include <QDate>
#include <QGuiApplication>
#include <cstdio>
#include <memory>
#include <variant>

#include "app/check_state.hpp"
#include "check/check.hpp"
#include "cli/args.hpp"
#include "cli/cli.hpp"
#include "report/page.hpp"
#include "report/sheets.hpp"

namespace report {

namespace {

constexpr cli::Usage kCommand{"hari report", "usage: hari report FILE.hari --pdf OUT.pdf\n"};

// Fonts and painting need a QGuiApplication; a sheet needs no display, so none is asked for,
// and Qt's notes about the desktop it does not use stay off the command's error output.
std::unique_ptr<QGuiApplication> guiWithoutDisplay() {
    if (QGuiApplication::instance()) return nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& m) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(m));
    });
    static int argc = 1;
    static char name[] = "hari";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int reportCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    if (!args.empty() && args.front() == "--help") {
        out << kCommand.text;
        return cli::kOk;
    }
    if (args.empty() || args.front().rfind("--", 0) == 0)
        return kCommand.refuse(err, "which file?");
    const cli::Options o(args.subspan(1), {"pdf"}, {});
    if (!o.ok() || o.get("pdf", "").empty())
        return kCommand.refuse(err, o.ok() ? "--pdf OUT.pdf is needed" : o.error());
    const auto read = check::readFile(args.front());
    if (const auto* refused = std::get_if<check::Refusal>(&read)) {
        err << "hari report: " << refused->message << '\n';
        return cli::kNoResult;
    }
    const auto gui = guiWithoutDisplay();
    const check::Check& c = std::get<check::Check>(read);
    const app::WizardState s = app::fromCheck(c);
    const QDate today = QDate::currentDate();
    const QString pdf = QString::fromStdString(o.get("pdf", ""));
    bool written = false;
    if (c.road == check::Road::SectionProperties) {
        const SectionSheet sheet = sectionSheet(s, check::sectionInputs(c).hen, today);
        written = writePdf(pdf, [&](QPainter& p) { paintSectionSheet(p, sheet); });
    } else {
        const BeamSheet sheet = beamSheet(s, today);
        written = writePdf(pdf, [&](QPainter& p) { paintBeamSheet(p, sheet); });
    }
    if (!written) {
        err << "hari report: 「" << pdf.toStdString() << "」に書き込めませんでした。\n";
        return cli::kNoResult;
    }
    return cli::kOk;
}

} // namespace report
