#include "EAssignError.h"

EAssignError::EAssignError(const QString& message)
    : std::runtime_error(message.toStdString()), fMessage(message) {}
