// The settings file: defaults, odd and out-of-range values, the Hall of Fame
// value format, names, round trips, the layout of a fresh file, foreign files
// kept intact and the failed write.
#include "dialogs/settingsfile.h"
#include "platform/inifile.h"
#include "tests/support/seams.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using testing_support::ScriptedMessageBoxes;

QString ReadText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll()).remove(u'\r');
}

void WriteText(const QString& path, const QString& text)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.toUtf8());
}

// A data folder of its own for each test, with the settings file inside it.
class SettingsFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString dataDir = dir.path() + QStringLiteral("/Data/");
    QString path = dataDir + QStringLiteral("Config.INI");

    void SetUp() override { ASSERT_TRUE(QDir().mkpath(dataDir)); }
    void Write(const QString& text) { WriteText(path, text); }
    QStringList Lines() const { return ReadText(path).split(u'\n', Qt::SkipEmptyParts); }
};

// The twenty section titles in the order of the file.
QStringList CanonicalTitles()
{
    QStringList titles;
    for (const char* pair : {"Single Deck - Normal Scoring", "Single Deck - Las Vegas Scoring",
                             "Double Deck - Normal Scoring", "Double Deck - Las Vegas Scoring"})
        for (const char* level : {" - Unbeatable", " - Very Hard", " - Hard", " - Not Bad", " - Easy"})
            titles << QString::fromLatin1(pair) + QString::fromLatin1(level);
    return titles;
}

bool AllEmpty(const THallOfFameTable& table)
{
    return table == THallOfFameTable{};
}

TEST(HallOfFameTable, EveryIndexHasItsOwnEntryAndOutOfRangeIsClamped)
{
    THallOfFameTable table;
    int n = 0;
    for (int d = 1; d <= 2; ++d)
        for (int s = 1; s <= 2; ++s)
            for (int l = 1; l <= 5; ++l)
                for (int r = 1; r <= 5; ++r)
                    table.At(d, s, l, r).Score = ++n;
    n = 0;
    for (int d = 1; d <= 2; ++d)
        for (int s = 1; s <= 2; ++s)
            for (int l = 1; l <= 5; ++l)
                for (int r = 1; r <= 5; ++r)
                    ASSERT_EQ(table.At(d, s, l, r).Score, ++n) << d << s << l << r;

    EXPECT_FALSE(THallOfFameTable::InRange(3, 1, 1, 1));
    EXPECT_FALSE(THallOfFameTable::InRange(1, 1, 6, 1));
    EXPECT_FALSE(THallOfFameTable::InRange(1, 0, 1, 1));
    EXPECT_EQ(&table.At(3, 1, 8, 1), &table.At(2, 1, 5, 1));
    EXPECT_EQ(&table.At(0, -4, 0, 99), &table.At(1, 1, 1, 5));

    table.Clear();
    EXPECT_TRUE(AllEmpty(table));
}

TEST_F(SettingsFileTest, MissingFileOrFolderReadsDefaultsAndEmptyTables)
{
    for (const QString& folder : {dataDir, dir.path() + QStringLiteral("/NoSuchFolder/")}) {
        TSettingsFile file(folder);
        EXPECT_EQ(file.ReadSettings(), (TGameSettings{0, 1, 2, true, 0}));
        THallOfFameTable table;
        table.At(1, 1, 1, 1) = {77, QStringLiteral("stale")};
        file.ReadHallOfFame(table);
        EXPECT_TRUE(AllEmpty(table));
    }
    EXPECT_FALSE(QFile::exists(path));
}

struct SettingCase {
    const char* line;
    TGameSettings expected; // everything else at its default
};

TEST_F(SettingsFileTest, OddAndOutOfRangeValuesReadAsUsableSettings)
{
    const SettingCase cases[] = {
        {"PlaySounds=5", {0, 1, 2, true, 0}},
        {"PlaySounds=0", {0, 1, 2, false, 0}},
        {"PlaySounds=no", {0, 1, 2, true, 0}},
        {"DeckSize=0x2", {0, 2, 2, true, 0}},
        {"DeckSize=0X2", {0, 2, 2, true, 0}},
        {"Scoring=abc", {0, 1, 2, true, 0}},
        {"Scoring=1", {1, 1, 2, true, 0}},
        {"CardBack=0x0b", {0, 1, 2, true, 11}},
        // out of range: ordered values take the nearest valid one...
        {"Velto=7", {0, 1, 4, true, 0}},
        {"Velto=-3", {0, 1, 0, true, 0}},
        {"DeckSize=3", {0, 2, 2, true, 0}},
        {"DeckSize=0", {0, 1, 2, true, 0}},
        {"DeckSize=-2147483648", {0, 1, 2, true, 0}},
        // ...plain choices their default
        {"Scoring=5", {0, 1, 2, true, 0}},
        {"Scoring=-1", {0, 1, 2, true, 0}},
        {"CardBack=40", {0, 1, 2, true, 0}},
        {"CardBack=12", {0, 1, 2, true, 0}},
        {"CardBack=-1", {0, 1, 2, true, 0}},
        // whether cards fly: like the sounds, only a zero turns it off
        {"AnimateCards=0", {0, 1, 2, true, 0, false}},
        {"AnimateCards=1", {0, 1, 2, true, 0, true}},
        {"AnimateCards=2", {0, 1, 2, true, 0, true}},
        {"AnimateCards=-1", {0, 1, 2, true, 0, true}},
        {"AnimateCards=0x0", {0, 1, 2, true, 0, false}},
        {"AnimateCards=no", {0, 1, 2, true, 0, true}},
        {"AnimateCards=", {0, 1, 2, true, 0, true}},
        {"AnimateCards= 0", {0, 1, 2, true, 0, false}},
    };
    for (const SettingCase& c : cases) {
        Write(QStringLiteral("[Settings]\n%1\n").arg(QString::fromLatin1(c.line)));
        EXPECT_EQ(TSettingsFile(dataDir).ReadSettings(), c.expected) << c.line;
    }
}

TEST_F(SettingsFileTest, NormalisedValuesAreWrittenBack)
{
    Write(QStringLiteral("[Settings]\nScoring=5\nDeckSize=3\nVelto=7\nPlaySounds=9\nCardBack=40\n"));
    TSettingsFile file(dataDir);
    ScriptedMessageBoxes boxes;
    ASSERT_TRUE(file.WriteSettings(file.ReadSettings()));
    const platform::IniFile ini(path);
    EXPECT_EQ(ini.ReadString("Settings", "Scoring", "?"), "0");
    EXPECT_EQ(ini.ReadString("Settings", "DeckSize", "?"), "2");
    EXPECT_EQ(ini.ReadString("Settings", "Velto", "?"), "4");
    EXPECT_EQ(ini.ReadString("Settings", "PlaySounds", "?"), "1");
    EXPECT_EQ(ini.ReadString("Settings", "AnimateCards", "?"), "1") << "a file without the key gains it";
    EXPECT_EQ(ini.ReadString("Settings", "CardBack", "?"), "0");
}

struct EntryCase {
    const char* stored;
    const char* name;
    int score;
};

TEST(SettingsFileEntry, DecodingFollowsTheFirstBackquote)
{
    const EntryCase cases[] = {
        {"Ann`1526", "Ann", 1526},
        {"abc", "", 0},                 // no backquote: the whole value is the score
        {"`250", "", 250},
        {"250", "", 250},
        {"`0", "", 0},
        {"Ann`", "Ann", 0},
        {"Ann`12x", "Ann", 0},
        {"Ann`-40", "Ann", -40},
        {"Ann`0x10", "Ann", 0},        // scores are decimal only
        {"Ann`2147483647", "Ann", 2147483647},
        {"Ann`2147483648", "Ann", 0},  // beyond 32 bits is not a number
        {"Ann`99999999999999999999", "Ann", 0},
        {"A`b`5", "A", 0},
        {"Twentyone characters`7", "Twentyone characters", 7}, // cut at 20
        {"  Bo `3", "  Bo ", 3},
    };
    for (const EntryCase& c : cases) {
        const THallOfFameEntry e = TSettingsFile::DecodeEntry(QString::fromUtf8(c.stored));
        EXPECT_EQ(e.Name, QString::fromUtf8(c.name)) << c.stored;
        EXPECT_EQ(e.Score, c.score) << c.stored;
    }
}

TEST(SettingsFileEntry, EncodingKeepsTheValueReadable)
{
    EXPECT_EQ(TSettingsFile::EncodeEntry({1526, QStringLiteral("Ann")}), "Ann`1526");
    EXPECT_EQ(TSettingsFile::EncodeEntry({}), "`0");
    EXPECT_EQ(TSettingsFile::EncodeEntry({-50, QString()}), "`-50");
    // A backquote would end the name early on reading; line breaks would break the file.
    EXPECT_EQ(TSettingsFile::EncodeEntry({100, QStringLiteral("Al`Bo")}), "Al'Bo`100");
    EXPECT_EQ(TSettingsFile::EncodeEntry({1, QStringLiteral("A\nB\r\tC")}), "A B  C`1");
    EXPECT_EQ(TSettingsFile::EncodeEntry({1, QStringLiteral("A\u2028B")}), "A B`1");
    EXPECT_EQ(TSettingsFile::EncodeEntry({9, QStringLiteral("abcdefghijklmnopqrstuvwxyz")}),
              "abcdefghijklmnopqrst`9");
}

TEST_F(SettingsFileTest, TitlesComeFromTheStringTableInCanonicalOrder)
{
    QStringList titles;
    for (int d = 1; d <= 2; ++d)
        for (int s = 1; s <= 2; ++s)
            for (int l = 1; l <= 5; ++l)
                titles << TSettingsFile::TableTitle(d, s, l);
    EXPECT_EQ(titles, CanonicalTitles());
}

TEST_F(SettingsFileTest, AllHundredEntriesAndTheSettingsSurviveARoundTrip)
{
    const QString names[] = {
        QStringLiteral("Ann"),
        QString::fromUtf8("Zo\xC3\xAB \xC3\x85ngstr\xC3\xB6m"),
        QString::fromUtf8("\xC5\x81ukasz \xC5\xBB\xC3\xB3\xC5\x82w"),
        QString::fromUtf8("\xE5\xB1\xB1\xE7\x94\xB0 \xE5\xA4\xAA\xE9\x83\x8E"),
        QString::fromUtf8("\xF0\x9F\x82\xA1 Ace"),
        QStringLiteral("Exactly twenty chars"),
        QStringLiteral("trailing space "),
        QString(),
    };
    THallOfFameTable written;
    int n = 0;
    for (int d = 1; d <= 2; ++d)
        for (int s = 1; s <= 2; ++s)
            for (int l = 1; l <= 5; ++l)
                for (int r = 1; r <= 5; ++r, ++n)
                    written.At(d, s, l, r) = {n % 7 == 3 ? -n * 13 : n * 1000 + 7, names[n % std::size(names)]};
    const TGameSettings settings{1, 2, 0, false, 11};

    ScriptedMessageBoxes boxes;
    TSettingsFile file(dataDir);
    ASSERT_TRUE(file.WriteSettings(settings));
    ASSERT_TRUE(file.WriteHallOfFame(written));

    TSettingsFile again(dataDir);
    EXPECT_EQ(again.ReadSettings(), settings);
    THallOfFameTable read;
    again.ReadHallOfFame(read);
    EXPECT_EQ(read, written);
    // The non-ASCII names are stored as text, not as something only we can decode.
    EXPECT_TRUE(ReadText(path).contains(names[1]));
}

TEST_F(SettingsFileTest, NameTooLongInTheFileIsCutOnReadingAndWrittenBackCut)
{
    Write(QStringLiteral("[Single Deck - Normal Scoring - Hard]\n2=A name far longer than twenty`640\n"));
    TSettingsFile file(dataDir);
    THallOfFameTable table;
    file.ReadHallOfFame(table);
    EXPECT_EQ(table.At(1, 1, 3, 2), (THallOfFameEntry{640, QStringLiteral("A name far longer th")}));
    ScriptedMessageBoxes boxes;
    ASSERT_TRUE(file.WriteHallOfFame(table));
    EXPECT_EQ(platform::IniFile(path).ReadString("Single Deck - Normal Scoring - Hard", "2", ""),
              "A name far longer th`640");
}

TEST_F(SettingsFileTest, NameWithBackquoteComesBackWithAnApostrophe)
{
    THallOfFameTable table;
    table.At(2, 2, 5, 1) = {3000, QStringLiteral("O`Brien")};
    ScriptedMessageBoxes boxes;
    TSettingsFile file(dataDir);
    ASSERT_TRUE(file.WriteHallOfFame(table));
    THallOfFameTable read;
    file.ReadHallOfFame(read);
    EXPECT_EQ(read.At(2, 2, 5, 1), (THallOfFameEntry{3000, QStringLiteral("O'Brien")}));
}

TEST_F(SettingsFileTest, FileWrittenFromDefaultsHasSettingsThenTwentyTablesOfFiveKeys)
{
    ScriptedMessageBoxes boxes;
    TSettingsFile file(dataDir);
    ASSERT_TRUE(file.WriteSettings(TGameSettings{}));
    ASSERT_TRUE(file.WriteHallOfFame(THallOfFameTable{}));
    EXPECT_TRUE(boxes.Boxes().empty());

    const QString text = ReadText(path);
    EXPECT_TRUE(text.startsWith(
        QStringLiteral("[Settings]\nScoring=0\nDeckSize=1\nVelto=2\nPlaySounds=1\nCardBack=0\nAnimateCards=1\n")))
        << text.left(120).toStdString();

    // Section by section, with blank lines (if any) left out.
    QStringList expected{QStringLiteral("[Settings]"), "Scoring=0", "DeckSize=1", "Velto=2", "PlaySounds=1",
                         "CardBack=0", "AnimateCards=1"};
    for (const QString& title : CanonicalTitles()) {
        expected << u'[' + title + u']';
        for (int r = 1; r <= 5; ++r)
            expected << QStringLiteral("%1=`0").arg(r);
    }
    EXPECT_EQ(Lines(), expected);
}

TEST_F(SettingsFileTest, ForeignFileKeepsItsCommentsSectionsAndKeys)
{
    const QString foreign = QStringLiteral("; kept by hand\n"
                                           "[Window]\n"
                                           "Left=40\n"
                                           "\n"
                                           "[settings]\n"
                                           "; the user's own note\n"
                                           "scoring = 1\n"
                                           "Theme=dark\n"
                                           "\n"
                                           "[Single Deck - Normal Scoring - Easy]\n"
                                           "1=Ann`900\n"
                                           "9=extra`1\n"
                                           "[Trailer]\n"
                                           "x=y\n");
    Write(foreign);
    TSettingsFile file(dataDir);
    const TGameSettings settings = file.ReadSettings();
    EXPECT_EQ(settings.Scoring, 1);
    THallOfFameTable table;
    file.ReadHallOfFame(table);
    EXPECT_EQ(table.At(1, 1, 5, 1), (THallOfFameEntry{900, QStringLiteral("Ann")}));

    ScriptedMessageBoxes boxes;
    ASSERT_TRUE(file.WriteSettings(settings));
    ASSERT_TRUE(file.WriteHallOfFame(table));

    const QStringList lines = Lines();
    for (const char* kept : {"; kept by hand", "[Window]", "Left=40", "; the user's own note", "Theme=dark",
                             "9=extra`1", "[Trailer]", "x=y"})
        EXPECT_TRUE(lines.contains(QString::fromLatin1(kept))) << kept;
    // The foreign sections stay where they were, ours are not duplicated.
    EXPECT_EQ(lines.indexOf(QStringLiteral("[Window]")), 1);
    EXPECT_LT(lines.indexOf(QStringLiteral("[Trailer]")), lines.indexOf(QStringLiteral("[Single Deck - Normal Scoring - Unbeatable]")));
    EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^\\[settings\\]$"), QRegularExpression::CaseInsensitiveOption)).size(), 1);
    EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^scoring\\s*="), QRegularExpression::CaseInsensitiveOption)).size(), 1);
    EXPECT_EQ(lines.filter(QStringLiteral("[Single Deck - Normal Scoring - Easy]")).size(), 1);

    TSettingsFile again(dataDir);
    EXPECT_EQ(again.ReadSettings(), settings);
    THallOfFameTable read;
    again.ReadHallOfFame(read);
    EXPECT_EQ(read, table);
}

TEST_F(SettingsFileTest, FailedWriteIsReportedOnceWithTheFullPathAndStops)
{
    const QString missing = dir.path() + QStringLiteral("/Missing/");
    TSettingsFile file(missing);
    ScriptedMessageBoxes boxes{platform::MsgResult::Ok, platform::MsgResult::Ok};
    EXPECT_FALSE(file.WriteSettings(TGameSettings{}));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Unable to write to ") + missing + QStringLiteral("Config.INI"));
    EXPECT_EQ(boxes.Boxes()[0].type, platform::MsgType::Error);
    EXPECT_EQ(boxes.Boxes()[0].buttons, platform::MsgButtons::Ok);
    EXPECT_FALSE(QDir(missing).exists()); // never created

    EXPECT_FALSE(file.WriteHallOfFame(THallOfFameTable{}));
    EXPECT_EQ(boxes.Boxes().size(), 2u); // one box for the whole table, not one per key
}

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no file>");
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

THallOfFameTable FullTable()
{
    const QString names[] = {QStringLiteral("Ann"), QString::fromUtf8("J\xC3\xB6rg \xC5\x81ukasz"), QString(),
                             QStringLiteral("Al`Bo"), QStringLiteral(" Spaced  out ")};
    THallOfFameTable table;
    int n = 0;
    for (int d = 1; d <= 2; ++d)
        for (int s = 1; s <= 2; ++s)
            for (int l = 1; l <= 5; ++l)
                for (int r = 1; r <= 5; ++r, ++n)
                    table.At(d, s, l, r) = {n % 9 == 4 ? 0 : 5000 - 37 * n, names[n % std::size(names)]};
    return table;
}

// Closing writes everything in one batch. Whatever the file held before, the
// batch must leave the very bytes the key-by-key writes (the settings, then
// the Hall of Fame) leave: the same key order, new sections and keys in the
// same places, other programs' lines and line endings untouched.
TEST_F(SettingsFileTest, WriteAllLeavesTheBytesOfTheKeyByKeyWrites)
{
    // Thousands of key-by-key writes, each flushed to disk: in memory where
    // the system has a memory-backed folder.
    const QString shm = QStringLiteral("/dev/shm");
    const QTemporaryDir scratch((QFileInfo(shm).isDir() && QFileInfo(shm).isWritable() ? shm : QDir::tempPath())
                                + QStringLiteral("/velto-XXXXXX"));
    ASSERT_TRUE(scratch.isValid());
    ScriptedMessageBoxes boxes;
    const QString usualDir = scratch.path() + QStringLiteral("/Usual/");
    ASSERT_TRUE(QDir().mkpath(usualDir));
    TSettingsFile usualFile(usualDir);
    ASSERT_TRUE(usualFile.WriteSettings(TGameSettings{}));
    ASSERT_TRUE(usualFile.WriteHallOfFame(FullTable()));
    const QByteArray usual = ReadBytes(usualFile.FilePath());

    QByteArray crlfUsual = usual;
    crlfUsual.replace("\n", "\r\n");
    QByteArray reordered = "[Settings]\nCardBack=3\nPlaySounds=0\nVelto=1\nDeckSize=2\nScoring=1\n"
                           "[Double Deck - Las Vegas Scoring - Easy]\n5=e`5\n3=c`3\n1=a`1\n"
                           "[Single Deck - Normal Scoring - Unbeatable]\n2=b`2\n";
    QByteArray manyForeign;
    for (int i = 0; i < 300; ++i)
        manyForeign += "[Other Program " + QByteArray::number(i) + "]\nKey=" + QByteArray::number(i) + "\n\n";
    const QByteArray foreignAround = "; another program's file\n[Window]\nLeft=10\n\n"
                                     "[Settings]\nScoring=1\nTheme=dark\n\n"
                                     "[Plugin]\nPath=/opt/x\n"
                                     "[Single Deck - Normal Scoring - Hard]\n1=Ann`900\n9=extra`1\n\n; tail note\n"
                                     "[Trailer]\ny=2";
    const struct {
        const char* what;
        std::optional<QByteArray> start; // nullopt: no file
    } cases[] = {
        {"missing file", std::nullopt},
        {"empty file", QByteArray()},
        {"blank lines only", QByteArray("\n\n\n")},
        {"the usual file", usual},
        {"the usual file with CRLF", crlfUsual},
        {"the usual file without its last line break", usual.chopped(1)},
        {"the usual file after 300 foreign sections", manyForeign + usual},
        {"the usual file before 300 foreign sections", usual + manyForeign},
        {"foreign sections before, between and after", foreignAround},
        {"odd spacing", QByteArray("  [ settings ]  \n  Scoring   =   1  \nDeckSize=\n Velto =\t\n"
                                   "\t[single deck - NORMAL scoring - hard]\n 3 = x`5 \n")},
        {"duplicate keys and sections", QByteArray("[Settings]\nScoring=1\nscoring=2\n[SETTINGS]\nVelto=3\n"
                                                   "[Single Deck - Normal Scoring - Easy]\n1=a`1\n1=b`2\n"
                                                   "[single deck - normal scoring - easy]\n2=c`3\n")},
        {"CRLF", QByteArray("[Settings]\r\nScoring=1\r\n\r\n[Double Deck - Las Vegas Scoring - Easy]\r\n5=Zed`10\r\n")},
        {"mixed line endings", QByteArray("[A]\r\nx=1\n[Settings]\nScoring=0\r\n[B]\r")},
        {"no trailing line break after a key", QByteArray("[Settings]\nScoring=1")},
        {"no trailing line break after a header", QByteArray("[Settings]")},
        {"no trailing line break after a foreign key", QByteArray("[Other]\nk=v")},
        {"a comment and nothing else", QByteArray("; only a comment")},
        {"not UTF-8", QByteArray("[Caf\xe9]\nN\xe9=\xff\xfe\n[Settings]\nName=J\xf6rg\nScoring=\xe9\n"
                                 "[Single Deck - Normal Scoring - Hard]\n1=J\xf6rg`12\n")},
        {"byte-order mark", QByteArray("\xEF\xBB\xBF[Settings]\nScoring=1\n")},
        {"keys in another order", reordered},
        {"keys before any section", QByteArray("Scoring=4\n1=x`1\n[Settings]\n")},
        {"unclosed header", QByteArray("[Settings\nScoring=1\n[Single Deck - Normal Scoring - Hard\n1=z`1\n")},
        {"empty sections with comments", QByteArray("[Settings]\n; note\n\n[Single Deck - Normal Scoring - Unbeatable]\n\n")},
    };
    const struct {
        const char* what;
        TGameSettings settings;
        THallOfFameTable table;
    } writes[] = {
        {"defaults", TGameSettings{}, THallOfFameTable{}},
        {"a full table", TGameSettings{1, 2, 0, false, 11}, FullTable()},
    };
    for (const auto& w : writes) {
        for (const auto& c : cases) {
            const QString oldDir = scratch.path() + QStringLiteral("/KeyByKey/");
            const QString newDir = scratch.path() + QStringLiteral("/Batch/");
            for (const QString& folder : {oldDir, newDir}) {
                ASSERT_TRUE(QDir(folder).removeRecursively() && QDir().mkpath(folder));
                if (c.start)
                    WriteBytes(folder + QStringLiteral("Config.INI"), *c.start);
            }
            TSettingsFile keyByKey(oldDir);
            ASSERT_TRUE(keyByKey.WriteSettings(w.settings) && keyByKey.WriteHallOfFame(w.table));
            TSettingsFile batch(newDir);
            ASSERT_TRUE(batch.WriteAll(w.settings, w.table));
            EXPECT_EQ(ReadBytes(batch.FilePath()), ReadBytes(keyByKey.FilePath())) << c.what << ", " << w.what;
            EXPECT_EQ(QDir(newDir).entryList(QDir::Files | QDir::Hidden), QStringList{"Config.INI"}) << c.what;
        }
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

// While it lives, no file may grow past a few bytes (for the superuser too),
// so the replacement fails half-way as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &FSaved);
        FSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = FSaved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &FSaved);
        std::signal(SIGXFSZ, FSignal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit FSaved{};
    void (*FSignal)(int) = nullptr;
};

TEST_F(SettingsFileTest, WriteAllThatFailsShowsOneBoxAndLeavesTheFileWhole)
{
    const QByteArray original = "[Settings]\r\nScoring=1\r\n[Keep]\r\nMe=\xe9\r\n";
    const auto expectOneBox = [](const ScriptedMessageBoxes& boxes, const QString& path, const char* what) {
        ASSERT_EQ(boxes.Boxes().size(), 1u) << what;
        EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Unable to write to ") + path) << what;
        EXPECT_EQ(boxes.Boxes()[0].type, platform::MsgType::Error);
        EXPECT_EQ(boxes.Boxes()[0].buttons, platform::MsgButtons::Ok);
    };
    {
        const QString missing = dir.path() + QStringLiteral("/Missing/");
        ScriptedMessageBoxes boxes{platform::MsgResult::Ok};
        EXPECT_FALSE(TSettingsFile(missing).WriteAll(TGameSettings{}, FullTable()));
        expectOneBox(boxes, missing + QStringLiteral("Config.INI"), "missing folder");
        EXPECT_FALSE(QDir(missing).exists());
    }
    {
        const QString folderDir = dir.path() + QStringLiteral("/FolderNamedLikeTheFile/");
        ASSERT_TRUE(QDir().mkpath(folderDir + QStringLiteral("Config.INI")));
        ScriptedMessageBoxes boxes{platform::MsgResult::Ok};
        EXPECT_FALSE(TSettingsFile(folderDir).WriteAll(TGameSettings{}, FullTable()));
        expectOneBox(boxes, folderDir + QStringLiteral("Config.INI"), "folder named like the file");
        EXPECT_TRUE(QFileInfo(folderDir + QStringLiteral("Config.INI")).isDir());
    }
    {
        WriteBytes(path, original);
        ScriptedMessageBoxes boxes{platform::MsgResult::Ok};
        bool written = true;
        {
            FileSizeLimit limit(64);
            written = TSettingsFile(dataDir).WriteAll(TGameSettings{}, FullTable());
        }
        EXPECT_FALSE(written);
        expectOneBox(boxes, path, "no room to write");
        EXPECT_EQ(ReadBytes(path), original);
        EXPECT_EQ(QDir(dataDir).entryList(QDir::Files | QDir::Hidden), QStringList{"Config.INI"});
    }
    if (::geteuid() != 0) {
        WriteBytes(path, original);
        ASSERT_TRUE(QFile::setPermissions(dataDir, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        ScriptedMessageBoxes boxes{platform::MsgResult::Ok};
        const bool written = TSettingsFile(dataDir).WriteAll(TGameSettings{}, FullTable());
        QFile::setPermissions(dataDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_FALSE(written);
        expectOneBox(boxes, path, "read-only folder");
        EXPECT_EQ(ReadBytes(path), original);
    }
}

// Config.INI may be a link to a file kept elsewhere: a close makes that file
// when it is not there yet; into a missing folder it fails like any other.
TEST_F(SettingsFileTest, LinkToAFileNotMadeYetIsMadeAtClose)
{
    const TGameSettings settings{1, 2, 0, false, 11};
    THallOfFameTable table;
    table.At(2, 1, 3, 1) = {1526, QStringLiteral("Ann")};
    ASSERT_TRUE(QFile::link(dir.path() + QStringLiteral("/Elsewhere.INI"), path));
    ScriptedMessageBoxes boxes{platform::MsgResult::Ok};
    EXPECT_TRUE(TSettingsFile(dataDir).WriteAll(settings, table));
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_TRUE(QFileInfo(path).isSymLink());
    THallOfFameTable read;
    TSettingsFile(dataDir).ReadHallOfFame(read);
    EXPECT_EQ(read, table);
    EXPECT_EQ(TSettingsFile(dataDir).ReadSettings(), settings);

    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::link(dir.path() + QStringLiteral("/Missing/Elsewhere.INI"), path));
    EXPECT_FALSE(TSettingsFile(dataDir).WriteAll(settings, table));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Unable to write to ") + path);
}

TEST_F(SettingsFileTest, RelativeDataFolderIsShownAsAFullPath)
{
    TSettingsFile file(QStringLiteral("relative/Data/"));
    EXPECT_TRUE(QDir::isAbsolutePath(file.FilePath()));
    EXPECT_TRUE(file.FilePath().endsWith(QStringLiteral("/relative/Data/Config.INI")));
}

// The statistics live in a section of their own after the Hall of Fame,
// written in the same one replacement; other programs' lines stay, and odd
// values read as what they can mean, never as a failure.
TEST_F(SettingsFileTest, StatisticsRoundTripBesideForeignLinesAndOddValues)
{
    Write(QStringLiteral("[Other]\nKeep=this\n[Statistics]\nDeck1Level1=7,3,1,2,61000,1526,\n"
                         "Deck1Level2=5,9,x,-4,,,\nDeck2Level5=garbage\nDeck3Level1=4,4,4,4,1,1,1\n"
                         "Note=ours to keep\n"));
    const TGameStatistics read = TSettingsFile(dataDir).ReadStatistics();
    TStatisticsRecord first;
    first.Played = 7;
    first.Won = 3;
    first.Streak = 1;
    first.LongestStreak = 2;
    first.FastestWinMs = 61000;
    first.BestScore[0] = 1526;
    EXPECT_EQ(read.At(1, 1), first);
    EXPECT_EQ(read.At(1, 2).Played, 5); // no more wins than deals
    EXPECT_EQ(read.At(1, 2).Won, 5);
    EXPECT_EQ(read.At(2, 5), TStatisticsRecord());
    EXPECT_EQ(read.At(2, 1), TStatisticsRecord()); // a key of no deck size is not read as one

    TGameStatistics statistics = read;
    statistics.RecordWin(2, 4, 2, 45000, -12);
    ScriptedMessageBoxes boxes;
    ASSERT_TRUE(TSettingsFile(dataDir).WriteAll(TGameSettings{}, THallOfFameTable(), statistics));
    EXPECT_EQ(TSettingsFile(dataDir).ReadStatistics(), statistics);

    const QString text = ReadText(path);
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Other]\nKeep=this\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Deck3Level1=4,4,4,4,1,1,1\nNote=ours to keep\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Deck2Level4=1,1,1,1,45000,,-12\n")));
    // The section comes after the twenty tables in a file written afresh.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(TSettingsFile(dataDir).WriteAll(TGameSettings{}, THallOfFameTable(), statistics));
    const QStringList lines = Lines();
    const qsizetype at = lines.indexOf(QStringLiteral("[Statistics]"));
    ASSERT_GT(at, lines.indexOf(QStringLiteral("[Double Deck - Las Vegas Scoring - Easy]")));
    EXPECT_EQ(lines.mid(at + 1), (QStringList{
                                     QStringLiteral("Deck1Level1=7,3,1,2,61000,1526,"),
                                     QStringLiteral("Deck1Level2=5,5,0,0,0,,"),
                                     QStringLiteral("Deck1Level3=0,0,0,0,0,,"),
                                     QStringLiteral("Deck1Level4=0,0,0,0,0,,"),
                                     QStringLiteral("Deck1Level5=0,0,0,0,0,,"),
                                     QStringLiteral("Deck2Level1=0,0,0,0,0,,"),
                                     QStringLiteral("Deck2Level2=0,0,0,0,0,,"),
                                     QStringLiteral("Deck2Level3=0,0,0,0,0,,"),
                                     QStringLiteral("Deck2Level4=1,1,1,1,45000,,-12"),
                                     QStringLiteral("Deck2Level5=0,0,0,0,0,,"),
                                 }));
    EXPECT_TRUE(boxes.Boxes().empty());
}

} // namespace
