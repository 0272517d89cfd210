// Names from the settings file, as the Hall of Fame window shows them: made
// what the file will hold when they are read (what a name may not carry is
// a space, a name is cut at twenty whole characters), so the window never
// shows a character the file will not keep; and markup in a name shows as
// the characters it is, in the computer's tables and the races'.
#include "dialogs/halloffame.h"
#include "dialogs/scoreform.h"
#include "dialogs/settingsfile.h"
#include "platform/inifile.h"
#include "platform/playername.h"
#include "tests/support/seams.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using testing_support::ScriptedMessageBoxes;

const char* const Section = "Single Deck - Normal Scoring - Unbeatable";
const char* const RaceSection = "Race - Single Deck";

class StoredNamesTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    QString DataDir = Dir.path() + QStringLiteral("/Data/");
    QString Path = DataDir + QStringLiteral("Config.INI");
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(DataDir)); }
    void WriteBytes(const QByteArray& Bytes)
    {
        QFile F(Path);
        ASSERT_TRUE(F.open(QIODevice::WriteOnly | QIODevice::Truncate));
        F.write(Bytes);
    }
};

TEST(StoredNames, CutAtWholeCharactersAndClean)
{
    const QString Ace = QString::fromUtf8("\xF0\x9F\x82\xA1"); // beyond the basic plane: a surrogate pair
    struct {
        QString name;
        QString expected;
    } cases[] = {
        {QString(), QString()},
        {QStringLiteral("Exactly twenty chars"), QStringLiteral("Exactly twenty chars")},
        {QString(25, u'x'), QString(20, u'x')},
        {QString(25, QChar(0x00E9)), QString(20, QChar(0x00E9))},
        // letters with a combining accent: twenty of them are forty code units
        {QStringLiteral("e\u0301").repeated(25), QStringLiteral("e\u0301").repeated(20)},
        {Ace.repeated(21), Ace.repeated(20)},
        {QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC").repeated(11), QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC").repeated(10)},
        // what a name may not carry is a space before the cut counts
        {QStringLiteral("A\tB\x1B[2JC"), QStringLiteral("A B [2JC")},
        {QStringLiteral("Ann\u202Eevil"), QStringLiteral("Ann evil")},
        {QStringLiteral("O`Brien"), QStringLiteral("O'Brien")},
        {QString(1, QChar(0xD83C)) + QStringLiteral("x"), QStringLiteral(" x")}, // a lone surrogate
        {QStringLiteral("e\u200D\u0301").repeated(10), QStringLiteral("e \u0301").repeated(10)},
    };
    for (const auto& c : cases) {
        const QString stored = THallOfFameEntry::StorableName(c.name);
        EXPECT_EQ(stored, c.expected) << c.name.toStdString();
        EXPECT_TRUE(platform::IsCleanName(stored)) << c.name.toStdString();
    }
}

// The name part of a rank line of the window.
QString ShownName(const QString& Line)
{
    const QString Prefix = RankLine(1, THallOfFameEntry{0, QString()});
    return Line.mid(Prefix.size());
}

TEST_F(StoredNamesTest, NamesFromTheFileShowAsTheFileWillHoldThem)
{
    const struct {
        const char* what;
        QByteArray stored; // the name's bytes in the file
        QString shown;
    } cases[] = {
        {"a tab", "Ann\tLee", QStringLiteral("Ann Lee")},
        {"an escape sequence", "Esc\x1B[31mRed", QStringLiteral("Esc [31mRed")},
        {"a NUL", QByteArray("Nul\0Byte", 8), QStringLiteral("Nul Byte")},
        {"a bell and DEL", "Bo\x07\x7F", QStringLiteral("Bo  ")},
        {"a right-to-left override", "Ann\xE2\x80\xAE" "evil", QStringLiteral("Ann evil")},
        {"a zero-width space", "Cy\xE2\x80\x8B" "x", QStringLiteral("Cy x")},
        {"markup", "<b>Ann</b>", QStringLiteral("<b>Ann</b>")},
        {"a link", "<a href=x>Ann</a>", QStringLiteral("<a href=x>Ann</a>")},
        {"long, with an emoji at the cut", "Eighteen letters..\xF0\x9F\x82\xA1\xF0\x9F\x82\xA1 more",
         QStringLiteral("Eighteen letters..") + QString::fromUtf8("\xF0\x9F\x82\xA1\xF0\x9F\x82\xA1")},
    };
    QByteArray File = QByteArray("[") + Section + "]\n";
    for (int Rank = 1; Rank <= 5; ++Rank)
        File += QByteArray::number(Rank) + '=' + cases[Rank - 1].stored + '`' + QByteArray::number(100 - Rank) + '\n';
    File += QByteArray("[") + RaceSection + "]\n";
    for (int Rank = 1; Rank <= 4; ++Rank)
        File += QByteArray::number(Rank) + '=' + cases[Rank + 4].stored + '`' + QByteArray::number(100 - Rank) + '\n';
    WriteBytes(File);

    TSettingsFile Settings(DataDir);
    THallOfFameTable Table;
    Settings.ReadHallOfFame(Table);
    const TNetRaceRecords Races = Settings.ReadRaceRecords();
    TScoreForm Form;
    Form.Fill(Table, &Races);
    ScriptedMessageBoxes Boxes;
    ASSERT_TRUE(Settings.WriteAll(TGameSettings{}, Table, TGameStatistics{}, Races));
    platform::IniFile Written(Path);

    for (int I = 0; I < 9; ++I) {
        const auto& c = cases[I];
        SCOPED_TRACE(c.what);
        const bool Race = I >= 5;
        const int Rank = Race ? I - 4 : I + 1;
        const QString Shown = ShownName(Form.List->item(Race ? 160 + 1 + Rank : 1 + Rank)->text());
        EXPECT_EQ(Shown, c.shown);
        const QString Stored = Written.ReadString(QString::fromLatin1(Race ? RaceSection : Section),
                                                  QString::number(Rank), QString());
        EXPECT_EQ(Stored, c.shown + QStringLiteral("`%1").arg(100 - Rank));
    }
}

// The painted row's rightmost column of ink in the list's viewport.
int InkRight(QListWidget* List, QListWidgetItem* Item)
{
    List->scrollToItem(Item, QAbstractItemView::PositionAtTop);
    const QImage Image = List->viewport()->grab().toImage();
    const QRect Row = List->visualItemRect(Item);
    const QRgb Base = List->palette().color(QPalette::Base).rgb();
    int Right = -1;
    for (int Y = std::max(Row.top(), 0); Y <= std::min(Row.bottom(), Image.height() - 1); ++Y)
        for (int X = 0; X < Image.width(); ++X)
            if (Image.pixel(X, Y) != Base)
                Right = std::max(Right, X);
    return Right;
}

TEST(StoredNames, MarkupInANameShowsAsItsCharacters)
{
    // Each name beside one of plain letters as long: rendered as rich text
    // the markup would vanish and its row end characters earlier.
    const QString Names[][2] = {
        {QStringLiteral("<b>Ann</b>"), QStringLiteral("xxxxxxxxxx")},
        {QStringLiteral("<a href=x>Ann</a>"), QStringLiteral("xxxxxxxxxxxxxxxxx")},
    };
    THallOfFameTable Table;
    TNetRaceRecords Races;
    for (int I = 0; I < 4; ++I) {
        Table.At(1, 1, 1, I + 1) = THallOfFameEntry{90 - I, Names[I / 2][I % 2]};
        Races.At(1, I + 1) = Table.At(1, 1, 1, I + 1);
    }
    TScoreForm Form;
    Form.Fill(Table, &Races);
    Form.show();
    const int CharWidth = QFontMetrics(Form.List->font()).horizontalAdvance(u'x');
    for (const int First : {2, 162}) { // the computer's first table, the races' first
        for (int I = 0; I < 2; ++I) {
            SCOPED_TRACE(Names[I][0].toStdString());
            QListWidgetItem* Markup = Form.List->item(First + 2 * I);
            QListWidgetItem* Plain = Form.List->item(First + 2 * I + 1);
            EXPECT_EQ(ShownName(Markup->text()), Names[I][0]);
            const int Right = InkRight(Form.List, Markup), PlainRight = InkRight(Form.List, Plain);
            ASSERT_GT(PlainRight, 0);
            EXPECT_NEAR(Right, PlainRight, CharWidth / 2);
        }
    }
}

} // namespace
