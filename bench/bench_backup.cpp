// The backup of a big shop: 1 000 000 ledger and line rows (InvoiceItem and
// Journal; the invoices besides), written by brevalon-db backup as the
// till's backup command writes it, against mysqldump of the same database
// in the same run. Prints median milliseconds and the peak memory (RSS) of
// each program, for the demo shop alone and for the big shop: a backup
// that streams its rows needs no more memory for the big one.
//
//   BREVALON_TEST_BACKEND=mariadb BREVALON_TEST_MYSQL_PORT=<port> build/bench/bench_backup [lines] [runs]
//   BREVALON_TEST_BACKEND=sqlite  build/bench/bench_backup [lines] [runs]
//
// On SQLite there is no mysqldump to compare with.

#include "bench/bigshop.h"
#include "core/globals.h"
#include "core/zksettings.h"
#include "tests/support/testshop.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct Run
{
    double ms = 0;
    long peakKb = 0;
};

// Runs a program with its output to @p outFile; its time and peak memory.
Run measure(const QStringList& command, const QString& outFile)
{
    QList<QByteArray> args;
    for (const QString& a : command)
        args << a.toLocal8Bit();
    QVector<char*> argv;
    for (QByteArray& a : args)
        argv << a.data();
    argv << nullptr;
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    const QByteArray out = outFile.toLocal8Bit();
    posix_spawn_file_actions_addopen(&files, 1, out.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &files, nullptr, argv.data(), environ) != 0)
        qFatal("cannot run %s", argv[0]);
    int status = 0;
    struct rusage usage;
    wait4(pid, &status, 0, &usage);
    Run run;
    run.ms = timer.nsecsElapsed() / 1e6;
    run.peakKb = usage.ru_maxrss;
    posix_spawn_file_actions_destroy(&files);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        qFatal("%s failed (status %d)", argv[0], status);
    return run;
}

struct Result
{
    double medianMs;
    long peakKb;
    qint64 bytes;
};

Result repeat(int runs, const QStringList& command, const QString& outFile, const QString& file)
{
    QVector<double> ms;
    long peak = 0;
    for (int i = 0; i < runs; ++i) {
        const Run r = measure(command, outFile);
        ms << r.ms;
        peak = qMax(peak, r.peakKb);
    }
    return {BigShop::median(ms), peak, QFileInfo(file).size()};
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(BigShop::offscreen(argc), argv);
    BigShop::useThisBuild();
    // Lines in 10-line invoices, each with its journal row: 909 090 lines
    // and 90 909 journal rows make the million.
    const int lines = BigShop::argument(argc, argv, 1, 909090);
    const int runs = BigShop::argument(argc, argv, 2, 3);
    QTextStream out(stdout);

    TestShop shop;
    // The tool reads the shop's connection from its settings.
    qputenv("HOME", shop.home().toLocal8Bit());
    const QString tool = qEnvironmentVariable("BREVALON_BUILD_DIR") + QLatin1String("/main/brevalon-db");
    const QString ours = shop.home() + QLatin1String("/shop.zbk");
    const QString dump = shop.home() + QLatin1String("/shop.sql");
    const QString log = shop.home() + QLatin1String("/tool.out");
    const QStringList backup{tool, QStringLiteral("backup"), ours};
    QStringList mysqldump;
    if (TestShop::isMariaDb())
        mysqldump = {QStringLiteral("mysqldump"), QStringLiteral("--single-transaction"), QStringLiteral("--quick"),
                     QStringLiteral("--host=") + settings->readEntry(QStringLiteral("/Global/DBServer")),
                     QStringLiteral("--port=") + settings->readEntry(QStringLiteral("/Global/DBPport")),
                     QStringLiteral("--user=") + settings->readEntry(QStringLiteral("/Global/DBUser")),
                     QStringLiteral("--password=") + settings->readEntry(QStringLiteral("/Global/DBPassword")),
                     settings->readEntry(QStringLiteral("/Global/DBName"))};

    auto report = [&](const char* what, const Result& r) {
        out << "  " << what << ": median " << QString::number(r.medianMs, 'f', 0) << " ms, peak RSS "
            << r.peakKb / 1024 << " MiB, " << r.bytes / (1024 * 1024) << " MiB written\n";
        out.flush();
    };
    out << "backend " << (TestShop::isMariaDb() ? "mariadb" : "sqlite") << "\n";
    out << "the demo shop alone:\n";
    const Result small = repeat(runs, backup, log, ours);
    report("brevalon-db backup", small);

    QElapsedTimer seeding;
    seeding.start();
    BigShop::grow(2000, lines);
    out << lines << " invoice lines and " << lines / 10 << " journal rows (and " << lines / 10
        << " invoices), seeded in " << seeding.elapsed() / 1000.0 << " s:\n";
    const Result big = repeat(runs, backup, log, ours);
    report("brevalon-db backup", big);
    if (!mysqldump.isEmpty()) {
        const Result theirs = repeat(runs, mysqldump, dump, dump);
        report("mysqldump         ", theirs);
        out << "  backup / mysqldump: " << QString::number(big.medianMs / theirs.medianMs, 'f', 2) << "\n";
    }
    out << "  peak RSS, big shop / demo shop: " << QString::number(double(big.peakKb) / small.peakKb, 'f', 2) << "\n";
    return 0;
}
