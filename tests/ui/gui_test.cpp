// Qt's own dialogs (the print dialog, the standard buttons) speak Japanese like the screens.
#include <QDialogButtonBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include "ui/gui.hpp"

TEST(QtJapanese, DialogTextsComeFromQtsJapaneseCatalog) {
    ASSERT_TRUE(app::installQtJapanese())
        << "qtbase_ja.qm is not installed (qt6-translations-l10n)";
    EXPECT_TRUE(app::installQtJapanese()); // a second call keeps the one catalog

    // Context, English source, the text of Qt's Japanese catalog.
    struct Text {
        const char* context;
        const char* source;
        const char* japanese;
    };
    const Text texts[] = {
        {"QPrintDialog", "Print", "印刷"},
        {"QPlatformTheme", "Cancel", "キャンセル"},
        {"QPrintDialog", "&Options >>", "オプション(&O) >>"},
    };
    for (const Text& t : texts)
        EXPECT_EQ(QCoreApplication::translate(t.context, t.source).toStdString(), t.japanese)
            << t.context << " / " << t.source;

    // A standard button made now carries the Japanese text.
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().toStdString(), "キャンセル");
}
