#include "ETableError.h"

ETableError::ETableError(const QString& message)
    : std::runtime_error(message.toStdString()), fMessage(message) {}
