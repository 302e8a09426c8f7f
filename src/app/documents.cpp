#include "app/documents.hpp"

#include <QDir>
#include <QFileInfo>

#include "app/check_state.hpp"
#include "app/registry.hpp"

namespace app {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

bool Documents::save(QWidget* parent) {
    const QString suggested =
        path_.isEmpty() ? QDir::home().filePath(QStringLiteral("検討.hari")) : path_;
    const std::optional<QString> chosen = registry_.documentDialogs().saveFileName(parent, suggested);
    return chosen && writeTo(*chosen, parent);
}

bool Documents::writeTo(const QString& path, QWidget* parent) {
    auto made = toCheck(registry_.state());
    if (const QString* why = std::get_if<QString>(&made)) {
        registry_.documentDialogs().tell(
            parent, QStringLiteral("「%1」に保存できません。").arg(QFileInfo(path).fileName()) + *why);
        return false;
    }
    const check::Check& c = std::get<check::Check>(made);
    if (const auto failure = check::writeFile(path.toStdString(), c)) {
        registry_.documentDialogs().tell(parent, q(failure->message));
        return false;
    }
    path_ = path;
    saved_ = c;
    return true;
}

bool Documents::open(QWidget* parent) {
    const std::optional<QString> chosen = registry_.documentDialogs().openFileName(parent);
    return chosen && openFile(*chosen, parent);
}

bool Documents::openFile(const QString& path, QWidget* parent) {
    const auto read = check::readFile(path.toStdString());
    if (const auto* refused = std::get_if<check::Refusal>(&read)) {
        registry_.documentDialogs().tell(parent, q(refused->message));
        return false;
    }
    QStringList notes;
    registry_.flow().openCheck(fromCheck(std::get<check::Check>(read)), notes);
    path_ = path;
    // What the screens made of it: a size no longer listed opens as typed properties, and
    // only a change from here on is a change.
    auto opened = toCheck(registry_.state());
    if (auto* c = std::get_if<check::Check>(&opened))
        saved_ = *c;
    else
        saved_.reset();
    for (const QString& note : notes)
        registry_.documentDialogs().tell(parent, note);
    return true;
}

bool Documents::mayEnd(QWidget* parent) {
    if (path_.isEmpty()) return true;
    const auto now = toCheck(registry_.state());
    const check::Check* current = std::get_if<check::Check>(&now);
    if (saved_ && current && *current == *saved_) return true;
    switch (registry_.documentDialogs().askSaveChanges(parent)) {
    case DocumentDialogs::Answer::Save:
        return writeTo(path_, parent);
    case DocumentDialogs::Answer::Discard:
        return true;
    case DocumentDialogs::Answer::Cancel:
        break;
    }
    return false;
}

} // namespace app
