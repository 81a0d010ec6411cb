#pragma once

#include "core/zktransaction.h"

#include <QSqlQuery>
#include <QString>
#include <QVariant>

/**
 * The statements of one unit of work of a maintenance dialog, run on the
 * program's connection inside one ZkTransaction. A failed statement rolls
 * the unit back before the error is shown: no other till waits on this
 * one's locks while the box is open.
 */
class UnitSql
{
public:
    UnitSql() = default;
    UnitSql(const UnitSql&) = delete;
    UnitSql& operator=(const UnitSql&) = delete;

    /** False when the unit could not begin (shown). */
    bool isOpen() const { return m_unit.isOpen(); }

    /** Runs @p sql; false after rolling the unit back and showing why. */
    bool exec(const QString& sql);
    /** Runs @p sql and reads its first value into @p value (invalid when
     *  there is no row); false as exec. */
    bool value(const QString& sql, QVariant* value);
    /** The query of the last statement, positioned before its first row. */
    QSqlQuery& query() { return m_query; }

    /** Gives the unit up; nothing of it stays. */
    void rollback() { m_unit.rollback(); }
    /** Commits the unit; false after a failure (shown, rolled back). */
    bool commit() { return m_unit.commit(); }

private:
    ZkTransaction m_unit;
    QSqlQuery m_query;
};
