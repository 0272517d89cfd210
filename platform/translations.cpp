#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include <cstdlib>
#include <memory>

namespace platform {

namespace {

const QString ResourceFolder = QStringLiteral(":/i18n");
const QString FilePrefix = QStringLiteral("velto_");

// Texts that Qt's own widgets show in our windows (the buttons of a message
// box, the menu of the name field). Qt's translations of them are not part
// of the program, so ours carry them; the contexts are Qt's.
[[maybe_unused]] const char* const QtTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),       QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),      QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),         QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),         QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),
    QT_TRANSLATE_NOOP("QLineEdit", "Delete"),        QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
};

// "de_AT.UTF-8@euro" -> "de"; "C.UTF-8" -> "c".
QString LanguageOf(const QString& Name)
{
    qsizetype End = Name.size();
    for (const QChar Stop : {u'_', u'.', u'@', u'-'}) {
        const qsizetype At = Name.indexOf(Stop);
        if (At >= 0 && At < End)
            End = At;
    }
    return Name.left(End).trimmed().toLower();
}

std::unique_ptr<QTranslator>& Installed()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

} // namespace

QString InterfaceLanguage(const EnvironmentLookup& Environment, const QStringList& Available)
{
    QString Locale;
    for (const char* Name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        Locale = Environment(Name).trimmed();
        if (!Locale.isEmpty())
            break;
    }
    const QString LocaleLanguage = LanguageOf(Locale);
    if (LocaleLanguage.isEmpty() || LocaleLanguage == u"c" || LocaleLanguage == u"posix")
        return QString();

    QStringList Candidates = Environment("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    Candidates << Locale;
    for (const QString& Candidate : Candidates) {
        const QString Language = LanguageOf(Candidate);
        if (Language == u"en")
            return QString();
        if (Available.contains(Language))
            return Language;
    }
    return QString();
}

QStringList AvailableLanguages()
{
    // Matched by hand: a name filter is a wildcard that Qt compiles into a
    // regular expression, and this list is read before the first window.
    const QString Suffix = QStringLiteral(".qm");
    QStringList Languages;
    const QStringList Files = QDir(ResourceFolder).entryList(QDir::Files, QDir::Name);
    for (const QString& File : Files)
        if (File.size() >= FilePrefix.size() + Suffix.size() && File.startsWith(FilePrefix, Qt::CaseInsensitive)
            && File.endsWith(Suffix, Qt::CaseInsensitive))
            Languages << File.mid(FilePrefix.size(), File.size() - FilePrefix.size() - Suffix.size());
    return Languages;
}

bool InstallTranslation(const QString& Language)
{
    std::unique_ptr<QTranslator>& Current = Installed();
    if (Current) {
        QCoreApplication::removeTranslator(Current.get());
        Current.reset();
    }
    if (Language.isEmpty())
        return false;
    auto Translator = std::make_unique<QTranslator>();
    if (!Translator->load(FilePrefix + Language, ResourceFolder))
        return false;
    QCoreApplication::installTranslator(Translator.get());
    Current = std::move(Translator);
    return true;
}

QString InstallUserLanguage()
{
    const QString Language = InterfaceLanguage(
        [](const char* Name) { return QString::fromLocal8Bit(std::getenv(Name)); }, AvailableLanguages());
    return InstallTranslation(Language) ? Language : QString();
}

} // namespace platform
