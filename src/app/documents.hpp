// The check on the screens as a document: saving it ("保存"), opening one ("開く", or
// `hari FILE.hari`), and the question before the end of the program. A check is kept only when
// saved; the question comes only for a check that came from a file or was saved, and has
// changed since.
#pragma once

#include <QString>
#include <optional>

#include "check/check.hpp"

class QWidget;

namespace app {

class Registry;

class Documents {
public:
    explicit Documents(Registry& registry) : registry_(registry) {}

    // Asks for the file (the current one preselected) and writes the check the screens hold.
    // False when cancelled or when it failed; a failure is told, naming the file, and the
    // check stays on the screens.
    bool save(QWidget* parent);
    // Asks for a file and opens it.
    bool open(QWidget* parent);
    // Opens a file on the screens. A refused file is told and changes nothing.
    bool openFile(const QString& path, QWidget* parent);

    // Whether the program may end now; asks "変更を保存しますか？" when there is something to
    // lose, and saves when told to.
    bool mayEnd(QWidget* parent);

    // The file the check came from or was saved to last; empty for a check never saved.
    const QString& path() const { return path_; }

private:
    bool writeTo(const QString& path, QWidget* parent);

    Registry& registry_;
    QString path_;
    std::optional<check::Check> saved_; // the check as it was when opened or saved last
};

} // namespace app
