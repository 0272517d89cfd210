// The Hall of Fame window: its look, the 160 lines, and names that line up
// under "Name" because the list's font really is of fixed pitch.
#include "dialogs/halloffame.h"
#include "dialogs/scoreform.h"
#include "tests/support/modaldialogs.h"

#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

using testing_support::Press;
using testing_support::ScriptedModalDialogs;

THallOfFameTable SomeEntries()
{
    THallOfFameTable t;
    t.At(1, 1, 1, 1) = THallOfFameEntry{1526, QStringLiteral("Ann")};
    t.At(1, 1, 1, 2) = THallOfFameEntry{7, QStringLiteral("Bo")};
    t.At(1, 1, 1, 3) = THallOfFameEntry{-25, QStringLiteral("Wide WWWW")};
    t.At(2, 2, 5, 1) = THallOfFameEntry{1234567, QStringLiteral("iiiiiiiiiiiiiiiiiiii")};
    return t;
}

TEST(ScoreForm, Layout)
{
    TScoreForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Scores"));
    EXPECT_EQ(form.size(), QSize(407, 312));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("Hall of Fame"));
    EXPECT_EQ(form.Label1->pos(), QPoint(154, 1));
    EXPECT_EQ(form.Label1->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(form.List->geometry(), QRect(14, 25, 379, 239));
    EXPECT_EQ(form.OkBtn->geometry(), QRect(166, 284, 75, 25));
    EXPECT_TRUE(form.OkBtn->isDefault());
    // Without statistics to open there is no button for them.
    EXPECT_FALSE(form.StatisticsBtn->isVisibleTo(&form));
}

TEST(ScoreForm, NamesStartInTheColumnOfName)
{
    TScoreForm form;
    form.Fill(SomeEntries());
    ASSERT_EQ(form.List->count(), 160);

    const QFont font = form.List->font();
    EXPECT_TRUE(QFontInfo(font).fixedPitch()) << QFontInfo(font).family().toStdString();
    EXPECT_EQ(QFontInfo(font).pixelSize(), 13);
    const QFontMetrics metrics(font);
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("iiii")),
              metrics.horizontalAdvance(QStringLiteral("WWWW")));

    const QString heading = QStringLiteral("Rank  Score     Name");
    const int nameX =
        metrics.horizontalAdvance(heading.left(heading.indexOf(QStringLiteral("Name"))));
    form.List->doItemsLayout();
    for (int row = 0; row < form.List->count(); ++row)
        EXPECT_EQ(form.List->visualItemRect(form.List->item(row)).height(), 16) << row;

    const THallOfFameTable t = SomeEntries();
    int row = 0;
    for (int d = 1; d <= 2; ++d)
        for (int s = 1; s <= 2; ++s)
            for (int l = 1; l <= 5; ++l, row += 8)
                for (int r = 1; r <= 5; ++r) {
                    const QString name = t.At(d, s, l, r).Name;
                    const QString line = form.List->item(row + 1 + r)->text();
                    ASSERT_TRUE(line.endsWith(name)) << line.toStdString();
                    EXPECT_EQ(metrics.horizontalAdvance(line.left(line.size() - name.size())),
                              nameX)
                        << line.toStdString();
                }
    EXPECT_EQ(form.List->item(2)->text(), QStringLiteral("  1     1526    Ann"));
}

TEST(ScoreForm, ShowScoresListsTheTableAndOkCloses)
{
    ScriptedModalDialogs modals{ScriptedModalDialogs::For<TScoreForm>([](TScoreForm& form) {
        EXPECT_EQ(form.List->count(), 160);
        EXPECT_EQ(form.List->item(0)->text(),
                  QStringLiteral("Single Deck - Normal Scoring - Unbeatable"));
        EXPECT_EQ(form.List->item(3)->text(), QStringLiteral("  2     7       Bo"));
        return Press(form, form.OkBtn);
    })};
    TGameStatistics Statistics;
    TNetRaceRecords Races; // no race entered: the window is the computer's alone
    ShowScores(SomeEntries(), Statistics, Races);
    EXPECT_EQ(modals.Titles(), QStringList{QStringLiteral("Scores")});
}

} // namespace
