#pragma once
// Save to File: the job written to a file instead of a queue, with a readable ticket of
// what a queue would have been given beside it.
#include "host/JobOptions.h"

#include <QCoreApplication>
#include <QString>

namespace host {

struct FileJob {
    Q_DECLARE_TR_FUNCTIONS(host::FileJob)

public:
    QString path;       // the file to write; the ticket is path + ".ticket.json"
    Document document;
    JobOptions options;
    QString jobName;
    int copies = 1;
    QString ppdPath;    // the printer description the options are for

    // Writes both files atomically, the ticket readable by the user alone (it may carry
    // secure-print values); false with a one-line reason, nothing half-written left.
    bool write(QString* error) const;
};

} // namespace host
