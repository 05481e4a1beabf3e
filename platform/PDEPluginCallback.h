#pragma once
// The host's side of the panel contract: what a panel may ask of the print dialog.
#include "platform/Export.h"
#include "platform/PrintSettings.h"

#include <QString>

#include <cups/ppd.h>

namespace platform {

class ORVAN_PLATFORM_EXPORT PDEPluginCallback {
public:
    virtual ~PDEPluginCallback();

    // The printer's PPD; owned by the host and alive as long as the panels. May be null.
    virtual ppd_file_t* ppdFile() = 0;
    // Fetched anew at each use; may be null.
    virtual PrintSettings* printSettings() = 0;
    virtual PrintSession* printSession() = 0;
    // Whether this host takes choice hand-overs at all.
    virtual bool offersChoiceMarking() const = 0;
    // Marks choice `choice` of PPD option `key` for the job. Keywords or choices the
    // PPD does not know are kept for the job all the same.
    virtual void willChangePPDOptionKeyValue(const QString& key, const QString& choice) = 0;
};

} // namespace platform
