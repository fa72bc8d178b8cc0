#pragma once

#include "Exception.h"

#include <QList>

namespace tfx {

// An error of the database engine. It carries the engine's error list (code and text of each
// entry, most general first); its message is the texts joined by line breaks, or
// "BDE error $XXXX" when the engine gave no text.
class EDBEngineError : public Exception
{
public:
    struct Entry
    {
        int code = 0;
        QString text;
    };

    explicit EDBEngineError(QList<Entry> entries);
    EDBEngineError(int code, const QString& text);

    const QList<Entry>& entries() const noexcept { return m_entries; }
    int code() const noexcept { return m_entries.isEmpty() ? 0 : m_entries.first().code; }
    const char* className() const noexcept override { return "EDBEngineError"; }

    static QString messageOf(const QList<Entry>& entries);

private:
    QList<Entry> m_entries;
};

// Codes of the engine's error entries, by category (high byte) and entry.
namespace dbierr {
constexpr int ReadError = 0x2101;       // the file could not be read
constexpr int WriteError = 0x2102;      // the file could not be written
constexpr int DirNoAccess = 0x2103;     // the folder cannot be reached
constexpr int FileNoAccess = 0x2105;    // the file is locked or read-only
constexpr int CorruptFile = 0x2201;     // a damaged data block
constexpr int CorruptHeader = 0x2202;   // "Corrupt table/index header."
constexpr int NoSuchTable = 0x2A04;     // "Table does not exist."
constexpr int InvalidPassword = 0x2C02; // "Invalid password."
constexpr int NoIndex = 0x2C3E;         // "No index for fields '...'"
constexpr int RecordChanged = 0x2B01;   // "Record changed by another user."
constexpr int NotInitialized = 0x2501;  // the engine failed to start
constexpr int ConnectFailed = 0x3E04;   // a server or data source refused the connection
constexpr int SqlError = 0x3303;        // the server or SQL layer rejected a statement
} // namespace dbierr

} // namespace tfx
