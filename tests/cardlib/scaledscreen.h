#pragma once
// What the tests of drawing at other device pixel ratios share: comparing two
// pictures pixel by pixel, the ratio this process was started with, and
// running a test program's own screen tests again in child processes at
// other ratios (a screen's ratio is fixed when the application starts).
#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegion>
#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace scaledscreen {

// The first device pixel where two pictures differ (outside Spared, in
// device pixels), for the failure message.
inline ::testing::AssertionResult SamePicture(const QImage& Actual, const QImage& Expected, const QRegion& Spared = {})
{
    if (Actual.size() != Expected.size())
        return ::testing::AssertionFailure() << "sizes differ";
    const QImage A = Actual.convertToFormat(QImage::Format_RGB32);
    const QImage E = Expected.convertToFormat(QImage::Format_RGB32);
    for (int Y = 0; Y < A.height(); ++Y)
        for (int X = 0; X < A.width(); ++X)
            if (A.pixel(X, Y) != E.pixel(X, Y) && !Spared.contains(QPoint(X, Y)))
                return ::testing::AssertionFailure() << "device pixel (" << X << ", " << Y << ") is " << std::hex
                                                     << A.pixel(X, Y) << ", drawn whole it is " << E.pixel(X, Y);
    return ::testing::AssertionSuccess();
}

// The ratio this process was started with: QT_SCALE_FACTOR, 1 without it.
inline qreal StartedRatio()
{
    const QByteArray Factor = qgetenv("QT_SCALE_FACTOR");
    return Factor.isEmpty() ? 1.0 : Factor.toDouble();
}

// Runs this program's tests that match Filter in a child process at each of
// the ratios 2, 1.5, 1.25 and 1.75; each child must end normally with 0, and
// Check looks at what it printed.
inline void RunAtOtherRatios(const QString& Filter, const std::function<void(const std::string& Output)>& Check)
{
    for (const char* Factor : {"2", "1.5", "1.25", "1.75"}) {
        SCOPED_TRACE(Factor);
        QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
        Environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(Factor));
        QProcess Child;
        Child.setProcessEnvironment(Environment);
        Child.setProcessChannelMode(QProcess::MergedChannels);
        Child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=") + Filter});
        ASSERT_TRUE(Child.waitForFinished(120000));
        const std::string Output = Child.readAll().toStdString();
        EXPECT_EQ(Child.exitStatus(), QProcess::NormalExit) << Output;
        EXPECT_EQ(Child.exitCode(), 0) << Output;
        Check(Output);
    }
}

} // namespace scaledscreen
