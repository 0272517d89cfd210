// The About box: name, version below it, maker, and both ways out.
#include "dialogs/aboutform.h"
#include "tests/support/modaldialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using testing_support::Press;
using testing_support::ScriptedModalDialogs;

TEST(AboutForm, ShowsTheVersionBelowTheName)
{
    ScriptedModalDialogs modals{ScriptedModalDialogs::For<TAboutForm>([](TAboutForm& box) {
        EXPECT_EQ(box.windowTitle(), QStringLiteral("About Velto"));
        EXPECT_EQ(box.size(), QSize(303, 170));
        EXPECT_EQ(box.Label4->text(), QStringLiteral("Velto"));
        EXPECT_EQ(box.VersionLabel->text(), QStringLiteral("Version 1.1"));
        EXPECT_GE(box.VersionLabel->geometry().top(), box.Label4->geometry().bottom());
        EXPECT_EQ(box.MakerLabel->text(), QStringLiteral("Gorvane"));
        EXPECT_EQ(box.OkBtn->text(), QStringLiteral("&Ok"));
        EXPECT_TRUE(box.OkBtn->isDefault());
        return Press(box, box.OkBtn);
    })};
    ShowAbout(QStringLiteral("Version 1.1"));
    EXPECT_EQ(modals.Unused(), 0u);
}

TEST(AboutForm, EnterAndEscBothClose)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        ScriptedModalDialogs modals{ScriptedModalDialogs::For<TAboutForm>([&](TAboutForm& box) {
            box.show();
            QTest::keyClick(&box, key);
            EXPECT_FALSE(box.isVisible()) << key;
            return box.result();
        })};
        ShowAbout(QStringLiteral("Version 1.1"));
    }
}

} // namespace
