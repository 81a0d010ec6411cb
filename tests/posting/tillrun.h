#pragma once

#include "tests/posting/docparts.h"

#include <QList>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

/** What one till process wrote to its log (see tillworker.cpp). */
struct TillLog
{
    struct Line
    {
        QString code;
        double quantity = 0, amount = 0;
        int sale = 0;
    };
    struct Sale
    {
        int sale = 0;
        QString kind; ///< cash, order, bill, settle, finish
        int account = 0, invoice = 0, receipt = 0;
        double total = 0;
        int ms = 0;
        QStringList tags;
    };
    QMap<QString, Line> lines; ///< by tag
    QList<Sale> sales;
    QMap<int, int> dockets;    ///< invoice -> kitchen lines printed
    QStringList errors;        ///< "action kind|caption|text"
    QStringList inside;        ///< boxes asked for inside a posting unit
    QStringList logins;        ///< "ok", "refused ...", "failed"
    QList<DocParts> reports;   ///< cash-up reports shown
    QStringList infos;         ///< information boxes
    int statements = -1;
    bool done = false;

    static TillLog read(const QString& path);
};

/**
 * Tills as processes of their own (brevalon_tillworker) on the database of
 * the test's shop: started, waited for, killed, and their books checked.
 */
class TillRun
{
public:
    TillRun();
    ~TillRun();

    /** The database the tills open: the shop's SQLite file or MariaDB
     *  database, as the shop's settings name it, unless set. */
    QString database() const;
    void setDatabase(const QString& name) { m_database = name; }
    /** The tills' environment (the test's own unless set). */
    void setEnvironment(const QProcessEnvironment& env) { m_env = env; }

    /** Starts a till for @p user (login code @p code) with more worker
     *  arguments; @p home keeps its settings (and so its station) across
     *  runs when given. Returns its index. */
    int start(const QString& user, const QString& code, const QStringList& args, const QString& home = QString());
    /** Waits for every till started; false when one is still running after
     *  @p seconds (then they are killed). */
    bool wait(int seconds);
    /** The log of till @p i. */
    TillLog log(int i) const;
    /** The path of till @p i's log and home. */
    QString logPath(int i) const;
    QString home(int i) const;
    /** How till @p i ended: its exit code, or -1 when it was killed. */
    int exitCode(int i) const;
    int count() const { return int(m_procs.size()); }

    /** The stock on hand of every stocked item. */
    static QMap<QString, double> stock();

    /** Checks the books after tills have run: every line once on one
     *  invoice, every document posted once and paid, every balance equal to
     *  its documents, every number distinct, every kitchen line printed
     *  once, the stock off by exactly what was sold. Returns what is wrong. */
    static QStringList checkBooks(const QList<TillLog>& logs, const QMap<QString, double>& stockBefore);

private:
    QTemporaryDir m_dir;
    std::vector<std::unique_ptr<QProcess>> m_procs;
    QStringList m_homes;
    QString m_database;
    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();
};
