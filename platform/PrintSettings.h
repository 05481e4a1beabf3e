#pragma once
// The job's print settings and print session, as the host keeps them.
#include "platform/Export.h"

#include <QMap>
#include <QString>

#include <cstdint>

namespace platform {

// Keyed text values of one job plus its name.
struct ORVAN_PLATFORM_EXPORT PrintSettings {
    QMap<QString, QString> values;
    QString jobName;
};

// Destination types of a print session.
enum : uint16_t {
    kPMDestinationInvalid = 0,
    kPMDestinationPrinter = 1,
    kPMDestinationFile = 2,
    kPMDestinationFax = 3,
    kPMDestinationPreview = 4,
};

struct ORVAN_PLATFORM_EXPORT PrintSession {
    uint16_t destinationType = kPMDestinationPrinter;
    // Whether the host can show a panel's dialogs now; false for an unattended run,
    // where a panel that would need to ask the user reports why and holds the job back.
    bool showsDialogs = true;
};

} // namespace platform

using PMStatus = int;
constexpr PMStatus noErr = 0;
constexpr PMStatus kPMKeyNotFound = -30899;
constexpr PMStatus kPMInvalidParameter = -50;

// Status 0 when found; *value is then the stored text.
ORVAN_PLATFORM_EXPORT PMStatus PMPrintSettingsGetValue(const platform::PrintSettings* settings,
                                                       const QString& key, QString* value);
ORVAN_PLATFORM_EXPORT PMStatus PMPrintSettingsSetValue(platform::PrintSettings* settings,
                                                       const QString& key, const QString& value,
                                                       bool locked);
ORVAN_PLATFORM_EXPORT QString PMPrintSettingsGetJobName(const platform::PrintSettings* settings);
ORVAN_PLATFORM_EXPORT PMStatus PMSessionGetDestinationType(const platform::PrintSession* session,
                                                           const platform::PrintSettings* settings,
                                                           uint16_t* destinationType);
