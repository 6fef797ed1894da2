// The banner lines that open the message blocks of the report and the run notes.
#pragma once

namespace tvx {

constexpr const char* kWarningBanner = "*********************WARNING**********************";
constexpr const char* kErrorBanner = "*********************ERROR**********************";
constexpr const char* kWarningMark = "**** WARNING ****";  // the load-settlement warnings

}  // namespace tvx
