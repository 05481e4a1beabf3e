#include "platform/PrintSettings.h"

PMStatus PMPrintSettingsGetValue(const platform::PrintSettings* settings, const QString& key,
                                 QString* value)
{
    if (!settings || !value) return kPMInvalidParameter;
    const auto it = settings->values.constFind(key);
    if (it == settings->values.cend()) return kPMKeyNotFound;
    *value = it.value();
    return noErr;
}

PMStatus PMPrintSettingsSetValue(platform::PrintSettings* settings, const QString& key,
                                 const QString& value, bool /*locked*/)
{
    // Locking is a host matter; the host keeps every value it is given.
    if (!settings || key.isEmpty()) return kPMInvalidParameter;
    settings->values.insert(key, value);
    return noErr;
}

QString PMPrintSettingsGetJobName(const platform::PrintSettings* settings)
{
    return settings ? settings->jobName : QString();
}

PMStatus PMSessionGetDestinationType(const platform::PrintSession* session,
                                     const platform::PrintSettings* /*settings*/,
                                     uint16_t* destinationType)
{
    if (!session || !destinationType) return kPMInvalidParameter;
    *destinationType = session->destinationType;
    return noErr;
}
