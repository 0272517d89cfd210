// The Statistics window in each language the program carries: no heading
// and no value of its tables is cut, however long the language's words and
// however large the counts. The check reads the painted rows: a row cut by
// the list ends in an ellipsis or at the list's edge, short of where its
// whole text ends.
#include "dialogs/statisticsform.h"
#include "dialogs/statisticstext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QLocale>
#include <QPainter>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <utility>

namespace {

// The translations of the statistics' texts straight from the translation
// source beside the sources: the compiled ones are built into the game,
// which this test program does not link.
class TSourceTranslator : public QTranslator
{
public:
    explicit TSourceTranslator(const QString& Language)
    {
        const QString Path = QFileInfo(QString::fromUtf8(__FILE__)).dir().filePath(
            QStringLiteral("../../resources/translations/velto_%1.ts").arg(Language));
        QFile File(Path);
        Loaded = File.open(QIODevice::ReadOnly);
        QXmlStreamReader Xml(&File);
        QString Context, Source;
        while (Loaded && !Xml.atEnd()) {
            if (Xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (Xml.name() == u"name")
                Context = Xml.readElementText();
            else if (Xml.name() == u"source")
                Source = Xml.readElementText();
            else if (Xml.name() == u"translation" && Xml.attributes().value(QStringLiteral("type")) != QStringLiteral("unfinished"))
                Texts[{Context, Source}] = Xml.readElementText();
        }
        Loaded = Loaded && !Xml.hasError() && !Texts.empty();
    }
    QString translate(const char* Context, const char* Source, const char*, int) const override
    {
        const auto Found = Texts.find({QString::fromUtf8(Context), QString::fromUtf8(Source)});
        return Found == Texts.end() ? QString() : Found->second;
    }
    bool isEmpty() const override { return Texts.empty(); }

    bool Loaded = false;

private:
    std::map<std::pair<QString, QString>, QString> Texts;
};

// The language's texts and number formats while it lives.
struct TLanguage {
    explicit TLanguage(const QString& Language)
        : Translator(Language)
    {
        QLocale::setDefault(QLocale(Language));
        QCoreApplication::installTranslator(&Translator);
    }
    ~TLanguage()
    {
        QCoreApplication::removeTranslator(&Translator);
        QLocale::setDefault(QLocale::c());
    }
    TSourceTranslator Translator;
};

// Large counts everywhere, the longest times and scores of many digits.
void FillLarge(TGameStatistics& Statistics, TNetRaceRecords& Races)
{
    TStatisticsRecord R;
    R.Played = 123456;
    R.Won = 65432;
    R.Streak = 1401;
    R.LongestStreak = 2345;
    R.FastestWinMs = 36061000;
    R.BestScore = {123456, -12345};
    for (int Deck = 1; Deck <= TGameStatistics::DeckCount; ++Deck)
        for (int Level = 1; Level <= TGameStatistics::LevelCount; ++Level)
            Statistics.At(Deck, Level) = R;
    R.Tied = 4321;
    R.BestScore[1].reset();
    for (int Deck = 1; Deck <= TNetRaceRecords::DeckCount; ++Deck)
        Races.Statistics(Deck) = R;
}

// The first and last columns of ink of an image's rows Top..Bottom, or
// (-1, -1) when they are blank.
std::pair<int, int> Ink(const QImage& Image, int Top, int Bottom, QRgb Background)
{
    int Left = -1, Right = -1;
    for (int Y = std::max(Top, 0); Y <= std::min(Bottom, Image.height() - 1); ++Y)
        for (int X = 0; X < Image.width(); ++X)
            if (Image.pixel(X, Y) != Background) {
                Left = Left < 0 ? X : std::min(Left, X);
                Right = std::max(Right, X);
            }
    return {Left, Right};
}

// How wide Text's ink is, drawn whole in Font.
int WholeInkWidth(const QString& Text, const QFont& Font)
{
    const QFontMetrics Metrics(Font);
    QImage Image(Metrics.horizontalAdvance(Text) + 8, Metrics.height() + 4, QImage::Format_RGB32);
    Image.fill(Qt::white);
    QPainter Painter(&Image);
    Painter.setFont(Font);
    Painter.setPen(Qt::black);
    Painter.drawText(QPoint(4, 2 + Metrics.ascent()), Text);
    Painter.end();
    const auto [Left, Right] = Ink(Image, 0, Image.height() - 1, QColor(Qt::white).rgb());
    return Left < 0 ? 0 : Right - Left + 1;
}

class StatisticsLanguages : public ::testing::TestWithParam<const char*> {};

TEST_P(StatisticsLanguages, NoHeadingOrValueIsCut)
{
    const QString Language = QString::fromLatin1(GetParam());
    std::optional<TLanguage> Installed;
    if (Language != u"en") {
        Installed.emplace(Language);
        ASSERT_TRUE(Installed->Translator.Loaded) << Language.toStdString();
        ASSERT_NE(QCoreApplication::translate("StatisticsText", "Played"), QStringLiteral("Played"));
    }
    TGameStatistics Statistics;
    TNetRaceRecords Races;
    FillLarge(Statistics, Races);
    TStatisticsForm Form(Statistics, &Races);
    Form.show();
    QListWidget* List = Form.List;
    ASSERT_GT(List->count(), 40); // the computer's tables and the races'
    // A window widened for its tables keeps its controls inside, its title
    // and its OK button centred.
    for (QWidget* W : {static_cast<QWidget*>(Form.Label1), static_cast<QWidget*>(List),
                       static_cast<QWidget*>(Form.ResetBtn), static_cast<QWidget*>(Form.OkBtn)})
        EXPECT_TRUE(Form.rect().contains(W->geometry())) << W->objectName().toStdString();
    EXPECT_NEAR(Form.OkBtn->geometry().center().x(), Form.rect().center().x(), 1);
    EXPECT_NEAR(Form.Label1->geometry().center().x(), Form.rect().center().x(), 1);

    const QRgb Background = List->palette().color(QPalette::Base).rgb();
    for (int I = 0; I < List->count(); ++I) {
        QListWidgetItem* Item = List->item(I);
        if (Item->text().isEmpty())
            continue;
        SCOPED_TRACE(Item->text().toStdString());
        List->scrollToItem(Item);
        const QRect Row = List->visualItemRect(Item);
        ASSERT_TRUE(List->viewport()->rect().contains(Row)) << "a row wider than the list";
        const QImage Image = List->viewport()->grab().toImage();
        const auto [Left, Right] = Ink(Image, Row.top(), Row.bottom(), Background);
        ASSERT_GE(Left, 0);
        EXPECT_LT(Right, Image.width() - 1);
        EXPECT_NEAR(Right - Left + 1, WholeInkWidth(Item->text(), List->font()), 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, StatisticsLanguages, ::testing::Values("en", "de", "fr", "es"),
                         [](const auto& Info) { return std::string(Info.param); });

} // namespace
