#include "EInOutError.h"

EInOutError::EInOutError(const QString& message)
    : std::runtime_error(message.toStdString()), fMessage(message) {}
