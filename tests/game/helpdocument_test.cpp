// The help document beside the test programs (the copy the build puts beside
// the game) against the rule functions: every number the document marks with
// data-value must be what the rules compute from the inputs that the
// enclosing elements give (data-level, data-decks, data-user-played, ...).
// A change of a rule, or a careless edit of an example, fails here.
#include "core/cards.h"
#include "core/scoring.h"
#include "platform/installpaths.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include "tests/support/qtprinters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

using namespace core;

const QStringList LevelNames = {QStringLiteral("Unbeatable"), QStringLiteral("Very Hard"),
                                QStringLiteral("Hard"), QStringLiteral("Not Bad"),
                                QStringLiteral("Easy")};

const QHash<QString, int> RankByName = {
    {QStringLiteral("Two"), 2},   {QStringLiteral("Three"), 3},  {QStringLiteral("Four"), 4},
    {QStringLiteral("Five"), 5},  {QStringLiteral("Six"), 6},    {QStringLiteral("Seven"), 7},
    {QStringLiteral("Eight"), 8}, {QStringLiteral("Nine"), 9},   {QStringLiteral("Ten"), 10},
    {QStringLiteral("Jack"), 11}, {QStringLiteral("Queen"), 12}, {QStringLiteral("King"), 13},
    {QStringLiteral("Ace"), 14},
};

// One marked number or name, with the inputs of the elements around it.
struct Mark
{
    QString Key;
    QString Text;
    QHash<QString, QString> Inputs; // data-* attributes of it and its ancestors, nearest first
    qint64 Line = 0;
};

struct HelpDocument
{
    QString Error;
    std::vector<Mark> Marks;
    QStringList Examples;          // data-example names in document order
    QStringList OutsideReferences; // href/src that leave the document
    QStringList ForbiddenElements; // script, link, iframe, ...
};

// Minus signs and line breaks as a person reads them.
QString Plain(QString text)
{
    text.replace(QChar(0x2212), u'-');
    return text.simplified();
}

HelpDocument Read(const QString& path)
{
    HelpDocument doc;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        doc.Error = QStringLiteral("cannot open ") + path;
        return doc;
    }
    QXmlStreamReader xml(&file);
    std::vector<QHash<QString, QString>> scopes{{}};
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            scopes.pop_back();
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        if (QStringList{"script", "link", "iframe", "object", "embed", "img", "base"}.contains(
                name))
            doc.ForbiddenElements << name;
        QHash<QString, QString> scope = scopes.back();
        QString key;
        for (const QXmlStreamAttribute& a : xml.attributes()) {
            const QString attr = a.qualifiedName().toString();
            const QString value = a.value().toString();
            if ((attr == u"href" || attr == u"src" || attr == u"xlink:href") &&
                !value.startsWith(u'#'))
                doc.OutsideReferences << value;
            if (attr == u"data-value")
                key = value;
            else if (attr == u"data-example")
                doc.Examples << value;
            if (attr.startsWith(u"data-") && attr != u"data-value")
                scope.insert(attr.mid(5), value);
        }
        if (key.isEmpty()) {
            scopes.push_back(scope);
            continue;
        }
        const qint64 line = xml.lineNumber();
        // Reading the text consumes the element's end, so its scope is never pushed.
        const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        doc.Marks.push_back({key, Plain(text), scope, line});
    }
    if (xml.hasError())
        doc.Error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return doc;
}

int Input(const Mark& m, const char* name)
{
    bool ok = false;
    const int v = m.Inputs.value(QString::fromLatin1(name)).toInt(&ok);
    EXPECT_TRUE(ok) << "line " << m.Line << ": \"" << m.Key.toStdString() << "\" needs data-"
                    << name;
    return v;
}

// The text as compared: a list of ranks ("King or Two") in ascending order,
// since the document may name the one below first.
QString Compared(const Mark& m)
{
    if (m.Key != u"fits")
        return m.Text;
    QStringList names = m.Text.split(QStringLiteral(" or "));
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return RankByName.value(a) < RankByName.value(b);
    });
    return names.join(QStringLiteral(" or "));
}

// What the rules say the marked text must read; nullopt for a key nobody knows.
// A list of ranks comes in ascending order.
std::optional<QString> Expected(const Mark& m)
{
    const auto n = [](std::int32_t v) { return QString::number(v); };
    const QString& key = m.Key;
    if (key == u"level")
        return LevelNames.value(Input(m, "level"));
    if (key == u"interval")
        return n(LevelInterval(Input(m, "level")));
    if (key == u"bonus")
        return n(LevelBonus(Input(m, "level")));
    if (key == u"target")
        return n(TargetCountFor(Input(m, "decks")));
    if (key == u"userPlayed")
        return n(Input(m, "user-played"));
    if (key == u"computerPlayed")
        return n(Input(m, "computer-played"));
    if (key == u"cardsPlayed")
        return n(Input(m, "cards-played"));

    // A won deal in normal scoring: one point per card the user played (the
    // deal starts the label at 0), then the win.
    if (key == u"remaining" || key == u"remainingPoints" || key == u"winAdds" || key == u"before" ||
        key == u"total") {
        const int level = Input(m, "level");
        const std::int32_t target = TargetCountFor(Input(m, "decks"));
        const std::int32_t computerPlayed = Input(m, "computer-played");
        const std::int32_t remaining = target - computerPlayed;
        const std::int32_t win = WinPoints(level, target, computerPlayed);
        const std::int32_t before =
            DealStartScore(0, false, Input(m, "decks"), 0) + Input(m, "user-played");
        if (key == u"remaining")
            return n(remaining);
        if (key == u"remainingPoints")
            return n(PointsPerRemainingCard * remaining);
        if (key == u"winAdds")
            return n(win + 1); // the closing point of UpdateScoreLabel
        if (key == u"before")
            return n(before);
        return n(before + win + 1);
    }

    // Las Vegas: the label after a deal's start is the stored value plus the
    // closing point; a lost deal adds one point per card played.
    if (key == u"dealCost" || key == u"firstDeal" || key == u"afterDeal" || key == u"nextDeal") {
        const int decks = Input(m, "decks");
        const std::int32_t first = DealStartScore(1, true, decks, 0);
        if (key == u"dealCost")
            return n(-first);
        const std::int32_t after = first + Input(m, "cards-played");
        if (key == u"firstDeal")
            return n(first);
        if (key == u"afterDeal")
            return n(after);
        return n(DealStartScore(1, false, decks, after));
    }

    if (key == u"rank")
        return RankByName.key(Input(m, "rank"));
    if (key == u"fits") {
        QStringList names;
        for (int a = Two; a <= Ace; ++a)
            if (IsAdjacent(a, Input(m, "rank")))
                names << RankByName.key(a);
        return names.join(QStringLiteral(" or "));
    }
    return std::nullopt;
}

class HelpDocumentTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_path = platform::HelpDocumentPath(QCoreApplication::applicationDirPath());
        s_doc = new HelpDocument(Read(s_path));
    }
    static void TearDownTestSuite()
    {
        delete s_doc;
        s_doc = nullptr;
    }

    void SetUp() override { ASSERT_TRUE(s_doc->Error.isEmpty()) << s_doc->Error.toStdString(); }

    static std::vector<const Mark*> MarksOf(const QString& example)
    {
        std::vector<const Mark*> found;
        for (const Mark& m : s_doc->Marks)
            if (m.Inputs.value(QStringLiteral("example")) == example)
                found.push_back(&m);
        return found;
    }

    static inline QString s_path;
    static inline HelpDocument* s_doc = nullptr;
};

TEST_F(HelpDocumentTest, EveryMarkedValueIsWhatTheRulesCompute)
{
    ASSERT_GT(s_doc->Marks.size(), 40u);
    for (const Mark& m : s_doc->Marks) {
        const std::optional<QString> expected = Expected(m);
        ASSERT_TRUE(expected.has_value())
            << "line " << m.Line << ": unknown data-value \"" << m.Key.toStdString() << '"';
        EXPECT_EQ(Compared(m), *expected) << "line " << m.Line << ", " << m.Key.toStdString();
    }
}

// The worked examples that players ask about are there, each with its result.
TEST_F(HelpDocumentTest, HoldsTheWorkedExamples)
{
    const struct
    {
        const char* name;
        QStringList keys;
    } examples[] = {
        {"normal-unbeatable-single",
         {"level", "userPlayed", "computerPlayed", "bonus", "remainingPoints", "total"}},
        {"normal-easy-double",
         {"level", "computerPlayed", "target", "bonus", "remainingPoints", "winAdds"}},
        {"lasvegas-single", {"firstDeal", "cardsPlayed", "afterDeal", "nextDeal"}},
        {"lasvegas-double", {"firstDeal"}},
    };
    for (const auto& e : examples) {
        const QString name = QString::fromLatin1(e.name);
        SCOPED_TRACE(e.name);
        EXPECT_TRUE(s_doc->Examples.contains(name));
        QSet<QString> shown;
        for (const Mark* m : MarksOf(name))
            shown.insert(m->Key);
        for (const QString& key : e.keys)
            EXPECT_TRUE(shown.contains(key)) << key.toStdString();
    }
    // The text breaks a win down as bonus + 100 per card left; the rules must
    // add it up the same way: 500 + 10 x 100 at "Unbeatable" with 15 of 25
    // played, to the 1526 the first example ends with, and 100 + 1 x 100 at
    // "Easy" with 50 of 51 played in the second.
    EXPECT_EQ(WinPoints(LevelUnbeatable, 25, 15), 1500);
    EXPECT_EQ(WinPoints(LevelEasy, 51, 50), 200);
    for (const Mark* m : MarksOf(QStringLiteral("normal-unbeatable-single"))) {
        if (m->Key == u"total") {
            EXPECT_EQ(m->Text, QStringLiteral("1526"));
        }
    }
}

TEST_F(HelpDocumentTest, ListsEveryLevelWithItsPaceAndBonus)
{
    for (int level = LevelUnbeatable; level <= LevelEasy; ++level) {
        QSet<QString> shown;
        for (const Mark& m : s_doc->Marks)
            if (m.Inputs.value(QStringLiteral("level")) == QString::number(level) &&
                !m.Inputs.contains(QStringLiteral("example")))
                shown.insert(m.Key);
        EXPECT_EQ(shown, (QSet<QString>{QStringLiteral("level"), QStringLiteral("interval"),
                                        QStringLiteral("bonus")}))
            << "level " << level;
    }
}

// The document opens from a folder, an unpacked copy or a package alike: no
// scripts, no pictures or styles fetched from elsewhere, links only inside.
TEST_F(HelpDocumentTest, IsSelfContained)
{
    EXPECT_EQ(s_doc->ForbiddenElements, QStringList());
    EXPECT_EQ(s_doc->OutsideReferences, QStringList());
    QFile file(s_path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("@import|url\\((?!#)"))));
}

} // namespace
