#pragma once

#include "PasswordSource.h"

#include <functional>

namespace tfx {

// The engine session every connection belongs to. Starting it starts the engine; it keeps the
// table passwords registered with it and asks the user for another when none fits.
class Session : public PasswordSource
{
public:
    // Answers a password request: returns false on Cancel, true with `password` set on OK.
    using PasswordPrompt = std::function<bool(const QString& tableName, QString& password)>;

    static Session& defaultSession();

    QString name() const { return QStringLiteral("Default"); }
    bool active() const { return m_active; }

    // Starts the engine once; a failure raises EDBEngineError.
    void start();

    // Registers a table password, starting the session first.
    void addPassword(const QString& password);
    void removeAllPasswords() { m_passwords.clear(); }
    QStringList passwords() const override { return m_passwords; }

    void setPasswordPrompt(PasswordPrompt prompt) { m_prompt = std::move(prompt); }
    bool requestPassword(const QString& tableName) override;

private:
    bool m_active = false;
    QStringList m_passwords;
    PasswordPrompt m_prompt;
};

} // namespace tfx
