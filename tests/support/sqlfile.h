#pragma once

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

// A database file reached through a connection of its own, to build and
// inspect project files without the program's reader and writer.
class SqlFile
{
public:
    explicit SqlFile(const QString &path)
        : name(QString("sqlfile%1").arg(++serial))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(path);
        db.open();
    }
    ~SqlFile()
    {
        database().close();
        QSqlDatabase::removeDatabase(name);
    }
    SqlFile(const SqlFile &) = delete;
    SqlFile &operator=(const SqlFile &) = delete;

    QSqlDatabase database() const { return QSqlDatabase::database(name, false); }

    // Runs the statements in turn; false at the first that fails.
    bool exec(const QStringList &statements) const
    {
        QSqlQuery query(database());
        for (const QString &statement : statements) {
            if (!query.exec(statement)) {
                qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
                return false;
            }
        }
        return true;
    }

    // Every row of a select, every column as a QVariant; empty when it fails.
    QList<QVariantList> rows(const QString &select) const
    {
        QList<QVariantList> result;
        QSqlQuery query(database());
        if (!query.exec(select))
            return result;
        while (query.next()) {
            QVariantList row;
            for (int column = 0; column < query.record().count(); ++column)
                row << query.value(column);
            result << row;
        }
        return result;
    }

    // The first column of every row, as texts.
    QStringList column(const QString &select) const
    {
        QStringList texts;
        for (const QVariantList &row : rows(select))
            texts << row.value(0).toString();
        return texts;
    }

private:
    QString name;
    static inline int serial = 0;
};

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
