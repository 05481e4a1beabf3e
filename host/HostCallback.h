#pragma once
// The host's side of the panel contract over libcups: a PPD with its defaults marked,
// the job's print settings and session, and the hand-overs kept in order for the job.
#include "platform/PDEPluginCallback.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <cups/ppd.h>

#include <functional>
#include <memory>

namespace host {

struct PpdCloser {
    void operator()(ppd_file_t* ppd) const;
};
using PpdPtr = std::unique_ptr<ppd_file_t, PpdCloser>;

// Opens a PPD file, puts its texts in the user's language (libcups takes it from the
// locale: LC_ALL, LC_MESSAGES, LANG) and marks its defaults. Null with a one-line reason
// in `error` that names the file and the cause (no such file, a directory, empty,
// permission denied, not a printer description, or where libcups stopped reading).
// A description that opens but looks damaged (cut short, a quoted string or an option
// left open) opens as far as libcups read it, with one line per finding in `warnings`,
// each naming its line ("line 212: the file ends inside a quoted string"); a sound one
// leaves `warnings` empty. The text is only looked through when `warnings` is given.
PpdPtr openPpd(const QString& path, QString* error = nullptr, QStringList* warnings = nullptr);

// The plug-in bundle a printer description names for its dialog panels in its main
// keyword *PrintDialogExtension ("OrvanPDE.bundle"). Empty when it names none, or names
// anything but a plain file name (a path, "..", control characters): the host looks the
// name up in its own bundle folder and nowhere else.
QString dialogExtensionOf(ppd_file_t* ppd);

using HandOver = QPair<QString, QString>; // keyword, choice name

// The choice as libcups and CUPS's filters take it: a free-text value of an option
// with a custom form ("*CustomUserID") becomes "Custom.<value>", which marks the
// option's custom choice and carries the value into the job; anything else as it is.
QString ppdChoiceFor(ppd_file_t* ppd, const QString& keyword, const QString& choice);

// Marks `choice` of `keyword` in its libcups form; an empty keyword marks nothing
// (libcups reads uninitialised memory looking one up).
void markChoice(ppd_file_t* ppd, const QString& keyword, const QString& choice);

class HostCallback : public platform::PDEPluginCallback {
public:
    // `ppd` is not owned and may be null.
    explicit HostCallback(ppd_file_t* ppd, bool offersChoiceMarking = true);
    ~HostCallback() override;

    ppd_file_t* ppdFile() override { return ppd_; }
    platform::PrintSettings* printSettings() override { return settings_.get(); }
    platform::PrintSession* printSession() override { return session_.get(); }
    bool offersChoiceMarking() const override { return offersChoiceMarking_; }
    void willChangePPDOptionKeyValue(const QString& key, const QString& choice) override;

    // Every hand-over since the last clear, in order, PPD-known or not.
    const QList<HandOver>& handOvers() const { return handOvers_; }
    void clearHandOvers() { handOvers_.clear(); }

    // Told of each hand-over after it is marked and kept (the dialog re-checks
    // constraints from it). An empty function removes the observer.
    using Observer = std::function<void(const QString& key, const QString& choice)>;
    void setObserver(Observer observer) { observer_ = std::move(observer); }

    // A host may give no print settings or session (null).
    void setPrintSettings(std::unique_ptr<platform::PrintSettings> settings);
    void setPrintSession(std::unique_ptr<platform::PrintSession> session);

private:
    ppd_file_t* ppd_;
    bool offersChoiceMarking_;
    std::unique_ptr<platform::PrintSettings> settings_;
    std::unique_ptr<platform::PrintSession> session_;
    QList<HandOver> handOvers_;
    Observer observer_;
};

} // namespace host
