#pragma once
// Each printer's print settings kept between runs: the panels' records, the choices
// marked in its printer description, and the job name. One file per printer in
// $XDG_CONFIG_HOME/orvan-print/, readable by the user alone. Settings the bundle
// declares secret are not kept here (the dialog gives them to the secret store).
#include "host/HostCallback.h"

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QString>

namespace host {

struct Preset {
    QMap<QString, QString> settings; // the panels' print-settings records
    QList<HandOver> marked;          // PPD choices that differ from the defaults
    QMap<QString, QString> options;  // the choices of orvan-print's own pages
    QStringList secretsKept;         // settings kept in the desktop's secret store, not here
    QString jobName;                 // empty: the document's own name
};

class PresetStore {
    // Why a file is damaged is shown in the dialog.
    Q_DECLARE_TR_FUNCTIONS(host::PresetStore)

public:
    // `directory` empty: <writable config location>/orvan-print.
    explicit PresetStore(const QString& directory = QString());

    QString directory() const { return directory_; }
    // The file of `printer` ("" for Save to File).
    QString fileFor(const QString& printer) const;

    enum class Status { Found, Missing, Damaged };
    // Reads the preset of `printer`. Damaged: `preset` is left empty and `problem` says
    // what is wrong with which file; the file is left as it is.
    Status load(const QString& printer, Preset* preset, QString* problem = nullptr) const;

    // Writes atomically, mode 0600 in a 0700 directory; false with a reason.
    bool save(const QString& printer, const Preset& preset, QString* error = nullptr) const;

private:
    QString directory_;
};

} // namespace host
