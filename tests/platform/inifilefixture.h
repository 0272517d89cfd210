#pragma once
// The folder and helpers the settings file tests share: each test gets a
// folder of its own, and stores and reads the file's bytes in it directly.
#include <QDateTime>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

// A replaced file is a new file: its inode tells.
inline ino_t Inode(const QString& path)
{
    struct stat info
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

class IniFileTest : public ::testing::Test
{
protected:
    QString Path(const QString& name = QStringLiteral("Config.INI")) const
    {
        return m_dir.filePath(name);
    }

    void Store(const QByteArray& bytes, const QString& name = QStringLiteral("Config.INI")) const
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Stored, and last changed two minutes ago.
    void StoreOld(const QByteArray& bytes, const QString& name) const
    {
        Store(bytes, name);
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime));
    }

    QByteArray Stored(const QString& name = QStringLiteral("Config.INI")) const
    {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};
