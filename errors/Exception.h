#pragma once

#include <QString>
#include <exception>

namespace tfx {

// Base of every error the program raises. Each error knows the class name under which the
// fatal error box reports it and a message for the user.
class Exception : public std::exception
{
public:
    explicit Exception(QString message) : m_message(std::move(message)) {}

    const QString& message() const noexcept { return m_message; }
    virtual const char* className() const noexcept { return "Exception"; }
    const char* what() const noexcept override;

private:
    QString m_message;
    mutable QByteArray m_what;
};

#define TFX_DECLARE_EXCEPTION(Name, Base)                                                          \
    class Name : public Base                                                                       \
    {                                                                                              \
    public:                                                                                        \
        using Base::Base;                                                                          \
        const char* className() const noexcept override { return #Name; }                          \
    };

// Raised for a data set or field by the data-set layer ("QProdutos: Dataset not in edit...").
TFX_DECLARE_EXCEPTION(EDatabaseError, Exception)
// Text that does not convert to a number ("'09x' is not a valid integer value").
TFX_DECLARE_EXCEPTION(EConvertError, Exception)
// A silent abort: ends the handler without a message box.
TFX_DECLARE_EXCEPTION(EAbort, Exception)
// A picture file whose content or extension is not a known picture.
TFX_DECLARE_EXCEPTION(EInvalidGraphic, Exception)
// A file that cannot be opened ("Cannot open file %s").
TFX_DECLARE_EXCEPTION(EFOpenError, Exception)

// JPEG decoder failure; carries the decoder's message number ("JPEG error #52").
class EJPEG : public Exception
{
public:
    explicit EJPEG(int code);
    int code() const noexcept { return m_code; }
    const char* className() const noexcept override { return "EJPEG"; }

private:
    int m_code;
};

} // namespace tfx
