#include "platform/inifile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "tests/platform/inifilefixture.h"
#include "tests/support/qtprinters.h"

#include <gtest/gtest.h>

using platform::IniFile;

namespace {

// Reading: case, white space, first match, comments and odd lines.
TEST_F(IniFileTest, ReadsPrivateProfileLayout)
{
    Store("; written by hand\n"
          "orphan=before any section\n"
          "[ Settings ]\n"
          "  Scoring   =   1   \n"
          "scoring=2\n"
          "\tDeckSize\t=\t2\t\n"
          "a line without an equals sign\n"
          "Empty=\n"
          ";Level=4\n"
          "Spaced Key = two words here \n"
          "Eq=a=b\n"
          "[settings]\n"
          "Velto=3\n"
          "[Other]\n"
          "Velto=4\n"
          "[Unclosed\n"
          "Key=in unclosed\n");
    const IniFile ini(Path());
    const struct
    {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"Settings", "Scoring", "1"}, // white space around names and values ignored, first key wins
        {"SETTINGS", "SCORING", "1"}, // names match without regard to case
        {"  settings ", " scoring\t", "1"}, // white space around the asked names ignored too
        {"Settings", "DeckSize", "2"},      // tabs are white space
        {"Settings", "Empty", ""},          // present but empty is not the default
        {"Settings", "Level", "<def>"},     // a comment is not a key
        {"Settings", ";Level", "<def>"},
        {"Settings", "Spaced Key", "two words here"},
        {"Settings", "Eq", "a=b"},      // the first '=' splits key and value
        {"Settings", "Velto", "<def>"}, // the first matching section only
        {"Other", "Velto", "4"},
        {"Unclosed", "Key", "in unclosed"}, // a header without ']' still names its section
        {"", "orphan", "<def>"},            // keys before any section belong to none
        {"Missing", "Scoring", "<def>"},
        {"Settings", "a line without an equals sign", "<def>"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ini.ReadString(QString::fromUtf8(c.section), QString::fromUtf8(c.key),
                                 QStringLiteral("<def>")),
                  QString::fromUtf8(c.expected))
            << c.section << " / " << c.key;
    }
}

TEST_F(IniFileTest, MissingFileOrFolderReadsDefaults)
{
    for (const QString& path :
         {Path(), m_dir.filePath(QStringLiteral("NoSuchFolder/Config.INI"))}) {
        const IniFile ini(path);
        EXPECT_EQ(
            ini.ReadString(QStringLiteral("Settings"), QStringLiteral("Name"), QStringLiteral("x")),
            QStringLiteral("x"));
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("Settings"), QStringLiteral("Velto"), 2), 2);
        EXPECT_TRUE(ini.ReadBool(QStringLiteral("Settings"), QStringLiteral("PlaySounds"), true));
        EXPECT_FALSE(ini.ReadBool(QStringLiteral("Settings"), QStringLiteral("PlaySounds"), false));
    }
    EXPECT_FALSE(QFileInfo::exists(Path()));
}

// Integers: decimal with an optional sign, or hex after 0x/0X; anything else is the default.
TEST_F(IniFileTest, IntegerValues)
{
    const struct
    {
        const char* text;
        int expected; // -77 stands for "the default"
    } cases[] = {
        {"0", 0},
        {"42", 42},
        {" 42 ", 42}, // surrounding blanks are not part of the value
        {"+5", 5},
        {"-5", -5},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", -77}, // out of range
        {"99999999999999999999", -77},
        {"0x2", 2},
        {"0X1f", 31},
        {"0xFF", 255},
        {"0x7FFFFFFF", 2147483647},
        {"0xFFFFFFFF", -1}, // 32 bits taken as a signed value
        {"0x100000000", -77},
        {"0x00000000010", 16},
        {"0x", -77}, // not longer than two characters: not hex, not decimal
        {"0x-1", -77},
        {"0xg", -77},
        {"-0x5", -77},
        {"$1F", -77},
        {"abc", -77},
        {"5abc", -77},
        {"5 5", -77},
        {"1.5", -77},
        {"+", -77},
        {"-", -77},
        {"", -77},
        {"\xd9\xa3", -77}, // a non-ASCII digit
    };
    QByteArray file = "[N]\n";
    for (std::size_t i = 0; i < std::size(cases); ++i)
        file += "k" + QByteArray::number(qulonglong(i)) + "=" + cases[i].text + "\n";
    Store(file);
    const IniFile ini(Path());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("N"), QStringLiteral("k%1").arg(i), -77),
                  cases[i].expected)
            << '"' << cases[i].text << '"';
    }
}

TEST_F(IniFileTest, BooleansAreIntegers)
{
    Store("[B]\nzero=0\none=1\nfive=5\nminus=-1\nhex=0x0\nword=true\n");
    const IniFile ini(Path());
    const struct
    {
        const char* key;
        bool whenDefaultFalse;
        bool whenDefaultTrue;
    } cases[] = {
        {"zero", false, false},  {"one", true, true},   {"five", true, true},
        {"minus", true, true},   {"hex", false, false}, {"word", false, true},
        {"absent", false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ini.ReadBool(QStringLiteral("B"), QString::fromUtf8(c.key), false),
                  c.whenDefaultFalse)
            << c.key;
        EXPECT_EQ(ini.ReadBool(QStringLiteral("B"), QString::fromUtf8(c.key), true),
                  c.whenDefaultTrue)
            << c.key;
    }
}

TEST_F(IniFileTest, FreshFileIsWrittenKeyByKey)
{
    IniFile ini(Path());
    EXPECT_TRUE(ini.WriteInteger(QStringLiteral("Settings"), QStringLiteral("Scoring"), 0));
    EXPECT_TRUE(ini.WriteInteger(QStringLiteral("Settings"), QStringLiteral("DeckSize"), 1));
    EXPECT_TRUE(ini.WriteBool(QStringLiteral("Settings"), QStringLiteral("PlaySounds"), true));
    EXPECT_TRUE(ini.WriteString(QStringLiteral("Single Deck - Normal Scoring - Hard"),
                                QStringLiteral("1"), QStringLiteral("Ann`1526")));
    EXPECT_TRUE(ini.WriteString(QStringLiteral("Single Deck - Normal Scoring - Hard"),
                                QStringLiteral("2"), QStringLiteral("`0")));
    EXPECT_TRUE(ini.WriteBool(QStringLiteral("settings"), QStringLiteral("Sounds"), false));
    EXPECT_EQ(Stored(), QByteArray("[Settings]\n"
                                   "Scoring=0\n"
                                   "DeckSize=1\n"
                                   "PlaySounds=1\n"
                                   "Sounds=0\n"
                                   "\n"
                                   "[Single Deck - Normal Scoring - Hard]\n"
                                   "1=Ann`1526\n"
                                   "2=`0\n"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Single Deck - Normal Scoring - Hard"),
                             QStringLiteral("1"), QString()),
              QStringLiteral("Ann`1526"));
}

// A file from another program: only the line of the written key changes,
// new keys go after the last key of their section, new sections at the end.
TEST_F(IniFileTest, WriteKeepsEveryOtherLineByteForByte)
{
    const QByteArray original = "; Settings of the card game\r\n"
                                "\r\n"
                                "[Window]\r\n"
                                "Left=10\r\n"
                                "\r\n"
                                "[ settings ]\r\n"
                                "  SCORING =  1  ; not a comment here\r\n"
                                "junk line\r\n"
                                "DeckSize=2\r\n"
                                "\r\n"
                                "; about the next section\r\n"
                                "[Extra]\r\n"
                                "Keep=\xe9t\xe9\r\n" // Latin-1 bytes, not UTF-8
                                "[Settings]\r\n"
                                "Scoring=9\r\n";
    Store(original);
    IniFile ini(Path());

    EXPECT_TRUE(ini.WriteInteger(QStringLiteral("Settings"), QStringLiteral("Scoring"), 0));
    QByteArray expected = original;
    expected.replace("  SCORING =  1  ; not a comment here", "  SCORING =  0");
    EXPECT_EQ(Stored(), expected);

    EXPECT_TRUE(ini.WriteInteger(QStringLiteral("Settings"), QStringLiteral("Velto"), 3));
    expected.replace("DeckSize=2\r\n", "DeckSize=2\r\nVelto=3\r\n");
    EXPECT_EQ(Stored(), expected);

    EXPECT_TRUE(ini.WriteString(QStringLiteral("New"), QStringLiteral("1"), QStringLiteral("`0")));
    expected += "\r\n[New]\r\n1=`0\r\n";
    EXPECT_EQ(Stored(), expected);

    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Settings"), QStringLiteral("Scoring"), -1), 0);
    EXPECT_EQ(ini.ReadString(QStringLiteral("Extra"), QStringLiteral("Keep"), QString()),
              QStringLiteral("\u00e9t\u00e9"));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Window"), QStringLiteral("Left"), -1), 10);
}

TEST_F(IniFileTest, WriteIntoSectionsOfAwkwardShape)
{
    const struct
    {
        const char* before;
        const char* after; // after writing [S] K=v
    } cases[] = {
        {"", "[S]\nK=v\n"},
        {"\n\n", "\n\n[S]\nK=v\n"},
        {"[S]", "[S]\nK=v\n"}, // no final line break
        {"[S]\nA=1", "[S]\nA=1\nK=v\n"},
        {"[S]\n[T]\nA=1\n", "[S]\nK=v\n[T]\nA=1\n"},         // empty section
        {"[S]\nA=1\n\n\n[T]\n", "[S]\nA=1\nK=v\n\n\n[T]\n"}, // before the blank lines
        {"[S]\nA=1\n; trailing\n[T]\n", "[S]\nA=1\nK=v\n; trailing\n[T]\n"},
        {"[T]\nK=1", "[T]\nK=1\n\n[S]\nK=v\n"},
        {"[S]\nk=old\nK=second\n", "[S]\nk=v\nK=second\n"}, // the first match is the one written
        {"[S]\nK=v\n", "[S]\nK=v\n"},                       // unchanged
        {"[S]\nK=\n", "[S]\nK=v\n"},
        {"[S]\nK = \t\n", "[S]\nK = v\n"},
        {"\xEF\xBB\xBF[S]\nK=1\n", "\xEF\xBB\xBF[S]\nK=v\n"}, // a byte-order mark stays
        {"[S]\r\nA=1\r\n", "[S]\r\nA=1\r\nK=v\r\n"},
        {"A=1\r\n", "A=1\r\n\r\n[S]\r\nK=v\r\n"},
    };
    for (const auto& c : cases) {
        Store(c.before);
        IniFile ini(Path());
        EXPECT_TRUE(ini.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v")));
        EXPECT_EQ(Stored(), QByteArray(c.after)) << '"' << c.before << '"';
        EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("K"), QString()),
                  QStringLiteral("v"));
    }
}

TEST_F(IniFileTest, CrlfAndLfFilesReadAlike)
{
    for (const QByteArray& eol : {QByteArray("\n"), QByteArray("\r\n")}) {
        QByteArray file =
            "[Settings]" + eol + "Scoring=1" + eol + "Name=Ann Lee" + eol + "Velto=0x3";
        Store(file);
        const IniFile ini(Path());
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("Settings"), QStringLiteral("Scoring"), 0), 1);
        EXPECT_EQ(ini.ReadString(QStringLiteral("Settings"), QStringLiteral("Name"), QString()),
                  QStringLiteral("Ann Lee"));
        EXPECT_EQ(ini.ReadInteger(QStringLiteral("Settings"), QStringLiteral("Velto"), 0), 3);
    }
}

TEST_F(IniFileTest, NonAsciiNamesSurviveAsUtf8)
{
    IniFile ini(Path());
    const QString name = QStringLiteral("J\u00f6rg \u0141ukasz \u4e2d`120");
    ASSERT_TRUE(ini.WriteString(QStringLiteral("Hall \u00e9"), QStringLiteral("1"), name));
    EXPECT_TRUE(Stored().contains(name.toUtf8()));
    EXPECT_EQ(ini.ReadString(QStringLiteral("HALL \u00c9"), QStringLiteral("1"), QString()), name);
}

// A Latin-1 line from an older program is rewritten with a UTF-8 value: each
// part is read in its own encoding, so neither is garbled.
TEST_F(IniFileTest, Latin1KeyTakesAUtf8Value)
{
    Store("[Hall]\nN\xe9=old\n");
    IniFile ini(Path());
    EXPECT_EQ(ini.ReadString(QStringLiteral("Hall"), QStringLiteral("N\u00e9"), QString()),
              QStringLiteral("old"));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("hall"), QStringLiteral("n\u00c9"),
                                QStringLiteral("J\u00f6rg`5")));
    EXPECT_EQ(Stored(), QByteArray("[Hall]\nN\xe9=J\xc3\xb6rg`5\n"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Hall"), QStringLiteral("N\u00e9"), QString()),
              QStringLiteral("J\u00f6rg`5"));
}

// Bytes with NULs in them, as written (a string would stop at the first).
template <std::size_t N>
QByteArray Bytes(const char (&text)[N])
{
    return QByteArray(text, qsizetype(N - 1));
}

// UTF-16 files as other programs' profile writers leave them: a mark, then
// two bytes a unit in either order. The same text in both orders, with a
// character whose bytes are '[' and LF (U+0A5B) and one outside the BMP.
TEST_F(IniFileTest, Utf16FilesReadLikeUtf8Ones)
{
    const QByteArray files[] = {
        Bytes("\xFF\xFE" "[\0S\0]\0\r\0\n\0" "K\0=\0 \0o\0l\0d\0\r\0\n\0"
              "[\0O\0t\0h\0e\0r\0]\0\r\0\n\0" "N\0a\0m\0e\0=\0" "\x5B\x0A" "\x3D\xD8\0\xDE"
              "\r\0\n\0"),
        Bytes("\xFE\xFF" "\0[\0S\0]\0\n" "\0K\0=\0 \0o\0l\0d\0\n"
              "\0[\0O\0t\0h\0e\0r\0]\0\n" "\0N\0a\0m\0e\0=" "\x0A\x5B" "\xD8\x3D\xDE\0"
              "\0\n"),
    };
    for (const QByteArray& file : files) {
        Store(file);
        IniFile ini(Path());
        EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("K"), QString()),
                  QStringLiteral("old"));
        EXPECT_EQ(ini.ReadString(QStringLiteral("other"), QStringLiteral("name"), QString()),
                  QStringLiteral("\u0A5B\U0001F600"));
        ini.TakeSnapshot();
        EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("K"), QString()),
                  QStringLiteral("old"));
        EXPECT_EQ(ini.ReadString(QStringLiteral("Other"), QStringLiteral("Name"), QString()),
                  QStringLiteral("\u0A5B\U0001F600"));
        // The value it has already: not a byte changes, in either write.
        EXPECT_TRUE(ini.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("old")));
        EXPECT_TRUE(ini.WriteStrings({{"S", "K", "old"}}));
        EXPECT_EQ(Stored(), file);
    }
}

// Each file gets [S] K=v (S is there, or not) and a new section [T] with a
// value outside Latin-1 and the BMP, one key at a time and as one batch:
// the file stays in its encoding, with its mark and its line ending, and
// bytes that are not UTF-16 stay as they were.
TEST_F(IniFileTest, Utf16FilesAreWrittenBackInTheirOwnEncoding)
{
    const struct
    {
        const char* what;
        QByteArray before;
        QByteArray after;
    } cases[] = {
        {"little endian, CRLF",
         Bytes("\xFF\xFE" "[\0S\0]\0\r\0\n\0" "K\0=\0o\0l\0d\0\r\0\n\0"
               "[\0O\0t\0h\0e\0r\0]\0\r\0\n\0" "N\0a\0m\0e\0=\0" "\x5B\x0A" "\x3D\xD8\0\xDE"
               "\r\0\n\0"),
         Bytes("\xFF\xFE" "[\0S\0]\0\r\0\n\0" "K\0=\0v\0\r\0\n\0"
               "[\0O\0t\0h\0e\0r\0]\0\r\0\n\0" "N\0a\0m\0e\0=\0" "\x5B\x0A" "\x3D\xD8\0\xDE"
               "\r\0\n\0" "\r\0\n\0" "[\0T\0]\0\r\0\n\0" "N\0=\0" "\xE9\0" "\x3D\xD8\0\xDE"
               "\r\0\n\0")},
        {"big endian, LF",
         Bytes("\xFE\xFF" "\0[\0S\0]\0\n" "\0K\0=\0o\0l\0d\0\n"
               "\0[\0O\0t\0h\0e\0r\0]\0\n" "\0N\0a\0m\0e\0=" "\x0A\x5B" "\xD8\x3D\xDE\0"
               "\0\n"),
         Bytes("\xFE\xFF" "\0[\0S\0]\0\n" "\0K\0=\0v\0\n"
               "\0[\0O\0t\0h\0e\0r\0]\0\n" "\0N\0a\0m\0e\0=" "\x0A\x5B" "\xD8\x3D\xDE\0"
               "\0\n" "\0\n" "\0[\0T\0]\0\n" "\0N\0=" "\0\xE9" "\xD8\x3D\xDE\0" "\0\n")},
        {"little endian, no line break at the end",
         Bytes("\xFF\xFE" "[\0S\0]\0\r\0\n\0" "K\0=\0o\0l\0d\0"),
         Bytes("\xFF\xFE" "[\0S\0]\0\r\0\n\0" "K\0=\0v\0\r\0\n\0" "\r\0\n\0"
               "[\0T\0]\0\r\0\n\0" "N\0=\0" "\xE9\0" "\x3D\xD8\0\xDE" "\r\0\n\0")},
        {"little endian mark only",
         Bytes("\xFF\xFE"),
         Bytes("\xFF\xFE" "[\0S\0]\0\n\0" "K\0=\0v\0\n\0" "\n\0"
               "[\0T\0]\0\n\0" "N\0=\0" "\xE9\0" "\x3D\xD8\0\xDE" "\n\0")},
        {"big endian mark only",
         Bytes("\xFE\xFF"),
         Bytes("\xFE\xFF" "\0[\0S\0]\0\n" "\0K\0=\0v\0\n" "\0\n"
               "\0[\0T\0]\0\n" "\0N\0=" "\0\xE9" "\xD8\x3D\xDE\0" "\0\n")},
        // Cut in the middle of a unit: the odd byte stays the last one.
        {"odd byte count",
         Bytes("\xFF\xFE" "[\0S\0]\0\r\0\n\0" "K\0=\0o\0l\0d\0\r\0\n\0" "x"),
         Bytes("\xFF\xFE" "[\0S\0]\0\r\0\n\0" "K\0=\0v\0\r\0\n\0" "\r\0\n\0"
               "[\0T\0]\0\r\0\n\0" "N\0=\0" "\xE9\0" "\x3D\xD8\0\xDE" "\r\0\n\0" "x")},
        // A high surrogate without its low one, a low one alone, and a
        // high one as the file's last unit: each line stays as it was.
        {"unpaired surrogates",
         Bytes("\xFF\xFE" "[\0O\0]\0\r\0\n\0" "A\0=\0" "\0\xD8" "x\0" "\r\0\n\0"
               "B\0=\0" "\0\xDC" "\r\0\n\0" "[\0S\0]\0\r\0\n\0" "K\0=\0o\0l\0d\0\r\0\n\0"
               "\xFF\xDB"),
         Bytes("\xFF\xFE" "[\0O\0]\0\r\0\n\0" "A\0=\0" "\0\xD8" "x\0" "\r\0\n\0"
               "B\0=\0" "\0\xDC" "\r\0\n\0" "[\0S\0]\0\r\0\n\0" "K\0=\0v\0\r\0\n\0"
               "\xFF\xDB" "\r\0\n\0" "\r\0\n\0" "[\0T\0]\0\r\0\n\0" "N\0=\0" "\xE9\0"
               "\x3D\xD8\0\xDE" "\r\0\n\0")},
    };
    const QString value = QStringLiteral("\u00E9\U0001F600");
    for (const auto& c : cases) {
        Store(c.before);
        IniFile ini(Path());
        EXPECT_TRUE(ini.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v")));
        EXPECT_TRUE(ini.WriteString(QStringLiteral("T"), QStringLiteral("N"), value));
        EXPECT_EQ(Stored(), c.after) << c.what;
        EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("K"), QString()),
                  QStringLiteral("v"))
            << c.what;
        EXPECT_EQ(ini.ReadString(QStringLiteral("T"), QStringLiteral("N"), QString()), value)
            << c.what;

        Store(c.before, QStringLiteral("batch.ini"));
        IniFile batch(Path(QStringLiteral("batch.ini")));
        EXPECT_TRUE(batch.WriteStrings({{"S", "K", "v"}, {"T", "N", value}}));
        EXPECT_EQ(Stored(QStringLiteral("batch.ini")), c.after) << c.what;
    }
}

TEST_F(IniFileTest, ValuesWithLineBreaksStayOnOneLine)
{
    IniFile ini(Path());
    ASSERT_TRUE(ini.WriteString(QStringLiteral("S"), QStringLiteral("K"),
                                QStringLiteral("one\ntwo\r\nthree\rfour")));
    ASSERT_TRUE(
        ini.WriteString(QStringLiteral("S"), QStringLiteral("L"), QStringLiteral("[Injected]")));
    EXPECT_EQ(Stored(), QByteArray("[S]\nK=one two three four\nL=[Injected]\n"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("L"), QString()),
              QStringLiteral("[Injected]"));
}

TEST_F(IniFileTest, NamesThatWouldNotReadBackAreRefused)
{
    Store("[S]\nA=1\n");
    IniFile ini(Path());
    const struct
    {
        const char* section;
        const char* key;
    } cases[] = {
        {"S", ""},    {"S", "   "},        {"S", "a=b"}, {"S", ";comment"},
        {"S", "[T]"}, {"S", "two\nlines"}, {"S]x", "K"}, {"S\nT", "K"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(ini.WriteString(QString::fromUtf8(c.section), QString::fromUtf8(c.key),
                                     QStringLiteral("v")))
            << c.section << " / " << c.key;
    }
    EXPECT_EQ(Stored(), QByteArray("[S]\nA=1\n"));
}

// A snapshot serves many reads from one load of the file; the object's own
// next write ends it, so what it writes is read back.
TEST_F(IniFileTest, SnapshotServesReadsUntilTheNextWrite)
{
    Store("[Settings]\nLevel=2\n");
    IniFile ini(Path());
    ini.TakeSnapshot();
    Store("[Settings]\nLevel=4\n");
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Settings"), QStringLiteral("Level"), -1), 2)
        << "reads come from the snapshot, not from the changed file";

    EXPECT_TRUE(ini.WriteInteger(QStringLiteral("Settings"), QStringLiteral("Scoring"), 1));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Settings"), QStringLiteral("Level"), -1), 4);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Settings"), QStringLiteral("Scoring"), -1), 1);

    IniFile missing(Path(QStringLiteral("Absent.INI")));
    missing.TakeSnapshot();
    EXPECT_EQ(missing.ReadInteger(QStringLiteral("Settings"), QStringLiteral("Level"), 7), 7);
}

// A batch is the one-key writes done at once: whatever the file looks like,
// the bytes it leaves are those of the same writes made one after another.
// The script writes a key twice, in another case, with odd spacing, empty,
// with a line break, and adds new sections between writes to old ones.
TEST_F(IniFileTest, BatchLeavesTheBytesOfOneWriteAfterAnother)
{
    const QList<IniFile::KeyValue> script = {
        {"S", "K", "v1"},        {"New", "A", "1"},      {"s", "k", "v2"},
        {"Other", "B", " lead"}, {"New", "B", "2"},      {"Other", "b", "x"},
        {"T", "K", ""},          {"T", "K", "y"},        {"NEW", "a", "3"},
        {"S", "L", "two\nlines"}, {"Third", "Z", "z"},   {" new ", " C ", "4"},
        {"S", "M", "\u00e9t\u00e9"}, {"Third", "Z", "z"}, {"S", "K", ""},
    };
    const char* const starts[] = {
        nullptr, // no file
        "",
        "\n\n",
        "[S]",
        "[S]\nA=1",
        "A=1",
        "[S]\n[T]\nA=1\n",
        "[S]\nA=1\n\n\n[T]\n",
        "[S]\nA=1\n; trailing\n[T]\nK = old \n",
        "[T]\nK=1",
        "[S]\nk=old\nK=second\n[s]\nL=shadowed\n",
        "[S]\nK = \t\nL=\n",
        "\xEF\xBB\xBF[S]\nK=1\n",
        "\xEF\xBB\xBF",
        "[S]\r\nA=1\r\n\r\n[Other]\r\nB=0\r\n",
        "A=1\r\n",
        "[S]\r\nA=1\n[T]\r\nK=2",
        "; comment only",
        "orphan=1\n[Third\nZ=unclosed\n",
        "[Caf\xe9]\nN\xe9=\xff\n[S]\nK=\xe9t\xe9\n",
        "[ other ]\n  B   =   9  ; kept?\n[new]\n\n",
        "\r\n\r\n[T]\r\r\nK=1\r\n",
        // A line that ends in '\r' reads back with a CRLF ending once a LF
        // follows it: a lone last line (whose ending the file then takes),
        // a last key, a key whose rewritten value leaves only the '\r'.
        "[S]\r",
        "abc\r",
        "[T]\nK=1\r",
        "[T]\nK=\r1\n[S]\nK=1\n",
    };
    for (const char* start : starts) {
        const QString one = Path(QStringLiteral("one.ini"));
        const QString batch = Path(QStringLiteral("batch.ini"));
        QFile::remove(one);
        QFile::remove(batch);
        if (start) {
            Store(start, QStringLiteral("one.ini"));
            Store(start, QStringLiteral("batch.ini"));
        }
        IniFile oneByOne(one);
        for (const IniFile::KeyValue& write : script)
            ASSERT_TRUE(oneByOne.WriteString(write.section, write.key, write.value));
        IniFile atOnce(batch);
        ASSERT_TRUE(atOnce.WriteStrings(script));
        EXPECT_EQ(Stored(QStringLiteral("batch.ini")), Stored(QStringLiteral("one.ini")))
            << '"' << (start ? start : "<no file>") << '"';
        EXPECT_EQ(atOnce.ReadString(QStringLiteral("New"), QStringLiteral("A"), QString()),
                  QStringLiteral("3"));
    }
}

// A batch changes all or nothing: a refused name anywhere in it, or a file
// that cannot be read or replaced, leaves the file as it was.
TEST_F(IniFileTest, BatchThatCannotBeWrittenLeavesTheFileAlone)
{
    const QByteArray original = "[S]\nA=1\n";
    Store(original);
    IniFile ini(Path());
    EXPECT_FALSE(ini.WriteStrings({{"S", "A", "2"}, {"S", "a=b", "3"}, {"S", "B", "4"}}));
    EXPECT_FALSE(ini.WriteStrings({{"S]x", "A", "2"}}));
    EXPECT_EQ(Stored(), original);

    IniFile inMissingFolder(m_dir.filePath(QStringLiteral("NoSuchFolder/Config.INI")));
    EXPECT_FALSE(inMissingFolder.WriteStrings({{"S", "A", "1"}}));
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(QStringLiteral("NoSuchFolder"))));

    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Folder.INI")));
    IniFile onFolder(Path(QStringLiteral("Folder.INI")));
    EXPECT_FALSE(onFolder.WriteStrings({{"S", "A", "1"}}));
    EXPECT_TRUE(QFileInfo(Path(QStringLiteral("Folder.INI"))).isDir());
}

// Nothing to change, nothing written: an empty batch makes no file, and a
// batch of the values already there does not replace the file.
TEST_F(IniFileTest, BatchWithoutChangesTouchesNothing)
{
    IniFile absent(Path(QStringLiteral("Absent.INI")));
    EXPECT_TRUE(absent.WriteStrings({}));
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("Absent.INI"))));

    Store("[S]\nA = 1\nB=x\n");
    const ino_t before = Inode(Path());
    IniFile ini(Path());
    EXPECT_TRUE(ini.WriteStrings({{"S", "A", "1"}, {"s", "b", "x"}}));
    EXPECT_EQ(Inode(Path()), before) << "the file was replaced";
    EXPECT_EQ(Stored(), QByteArray("[S]\nA = 1\nB=x\n"));
}

} // namespace
