#pragma once

#include <QString>

#include <stdexcept>

// Errors the program raises itself carry a fixed user-facing text.
class EZVError : public std::runtime_error {
public:
    explicit EZVError(const QString& message)
        : std::runtime_error(message.toStdString())
        , FMessage(message) {}
    const QString& Message() const { return FMessage; }

private:
    QString FMessage;
};

class EInvalidGraphic : public EZVError {
public:
    using EZVError::EZVError;
};

class EAbstractError : public EZVError {
public:
    using EZVError::EZVError;
};

class EConvertError : public EZVError {
public:
    using EZVError::EZVError;
};
