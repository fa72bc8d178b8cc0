// tarifex-sql: runs one SQL statement through the program's database engine and prints the rows
// as tab-separated text, for support staff and tests.
//
//   tarifex-sql --paradox DIR [--password P]... "SQL"
//   tarifex-sql --ini FILE "SQL"

#include "ConnectionProfile.h"
#include "Database.h"
#include "Exception.h"
#include "PasswordDecoding.h"
#include "ResultText.h"
#include "Session.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

using namespace tfx;

namespace {

int usage()
{
    std::fprintf(stderr, "usage: tarifex-sql --paradox DIR [--password P]... \"SQL\"\n"
                         "       tarifex-sql --ini FILE \"SQL\"\n");
    return 2;
}

void printLine(const QStringList& cells)
{
    const QByteArray line = cells.join(QLatin1Char('\t')).toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString folder, ini, sql;
    QStringList passwords;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        if (arg == QLatin1String("--paradox") && !args.isEmpty())
            folder = args.takeFirst();
        else if (arg == QLatin1String("--password") && !args.isEmpty())
            passwords << args.takeFirst();
        else if (arg == QLatin1String("--ini") && !args.isEmpty())
            ini = args.takeFirst();
        else if (sql.isEmpty() && !arg.startsWith(QLatin1String("--")))
            sql = arg;
        else
            return usage();
    }
    if (sql.isEmpty() || folder.isEmpty() == ini.isEmpty())
        return usage();

    try {
        Session& session = Session::defaultSession();
        // The program's own table password, as the price lookup screen registers it.
        session.addPassword(QStringLiteral("2718203"));
        for (const QString& p : passwords)
            session.addPassword(p);
        Database database(session);
        setDesignValues(database);
        if (!folder.isEmpty()) {
            database.params() = {QStringLiteral("PATH=") + folder,
                                 QStringLiteral("DEFAULT DRIVER=PARADOX"),
                                 QStringLiteral("ENABLE BCD=FALSE")};
            database.open();
        } else {
            buildConnection(database, readSettings(ini, descriptografarSenha));
        }
        auto cursor = database.connection().query(sql);
        QStringList header;
        for (const Column& column : cursor->columns())
            header << column.name;
        printLine(header);
        QVariantList row;
        while (cursor->next(row)) {
            QStringList cells;
            for (const QVariant& value : row)
                cells << resultText(value);
            printLine(cells);
        }
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", e.message().toUtf8().constData());
        return 1;
    }
    return 0;
}
