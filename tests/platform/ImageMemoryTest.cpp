#include "ImageMemory.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

TEST(ImageMemoryTest, AddsTheTunableUnlessHugePagesAreAlreadyDecided) {
    const struct {
        const char* current;
        std::optional<std::string> expected;
    } cases[] = {
        {nullptr, "glibc.malloc.hugetlb=1"},
        {"", "glibc.malloc.hugetlb=1"},
        {"glibc.malloc.tcache_count=0", "glibc.malloc.tcache_count=0:glibc.malloc.hugetlb=1"},
        {"glibc.malloc.hugetlb=0", std::nullopt},
        {"glibc.malloc.check=0:glibc.malloc.hugetlb=2", std::nullopt},
        // A longer name that merely starts with the tunable's is another tunable.
        {"glibc.malloc.hugetlbx=0", "glibc.malloc.hugetlbx=0:glibc.malloc.hugetlb=1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TunablesWithLargePages(c.current), c.expected)
            << (c.current ? c.current : "(null)");
}

struct TStarted {
    long HugeKiB = -1;
    QString Tunables;
    QString Marker;
    int Heaps = 0;
};

TStarted Start(const QString& tunables) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("GLIBC_TUNABLES"));
    if (!tunables.isNull())
        environment.insert(QStringLiteral("GLIBC_TUNABLES"), tunables);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ZV_IMAGE_MEMORY_PROGRAM), {});
    TStarted started;
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return started;
    const QStringList lines = QString::fromLocal8Bit(process.readAllStandardOutput()).split('\n');
    if (lines.size() >= 4) {
        started.HugeKiB = lines[0].toLong();
        started.Tunables = lines[1];
        started.Marker = lines[2];
        started.Heaps = lines[3].toInt();
    }
    return started;
}

QString HugePageMode() {
    QFile file(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLatin1(file.readAll());
    const int open = text.indexOf(QLatin1Char('['));
    return text.mid(open + 1, text.indexOf(QLatin1Char(']')) - open - 1);
}

TEST(ImageMemoryTest, TheRestartedProgramGetsHugePagesOneHeapAndItsOwnEnvironment) {
    const TStarted unset = Start(QString());
    EXPECT_EQ(unset.Tunables, QStringLiteral("(unset)"));
    EXPECT_EQ(unset.Marker, QStringLiteral("clean"));
    EXPECT_EQ(unset.Heaps, 1);
    const TStarted other = Start(QStringLiteral("glibc.malloc.tcache_count=0"));
    EXPECT_EQ(other.Tunables, QStringLiteral("glibc.malloc.tcache_count=0"));
    EXPECT_EQ(other.Marker, QStringLiteral("clean"));
    const TStarted declined = Start(QStringLiteral("glibc.malloc.hugetlb=0"));
    EXPECT_EQ(declined.Tunables, QStringLiteral("glibc.malloc.hugetlb=0"));
    EXPECT_EQ(declined.Heaps, 1) << "one heap also without the restart";

    const QString mode = HugePageMode();
    if (mode != QStringLiteral("madvise"))
        GTEST_SKIP() << "transparent huge pages are '" << mode.toStdString()
                     << "' here; only 'madvise' tells the restart apart";
    EXPECT_GE(unset.HugeKiB, 32 * 1024);
    EXPECT_GE(other.HugeKiB, 32 * 1024);
    EXPECT_EQ(declined.HugeKiB, 0) << "a user's own choice is kept";
}

} // namespace
