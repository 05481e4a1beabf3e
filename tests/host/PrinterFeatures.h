#pragma once
// The option settings CUPS's filters wrote into printer data, read back by keyword.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

namespace hosttest {

struct Feature {
    QString choice;
    QString code;
};

// The option settings in printer data: "%%BeginFeature: *Keyword Choice", the code, then
// "%%EndFeature"; a custom value ("*CustomUserID True") under its option's keyword with
// the choice "Custom". A later setting of a keyword overrides an earlier one.
inline QMap<QString, Feature> features(const QByteArray& data)
{
    QMap<QString, Feature> found;
    const QByteArray begin = "%%BeginFeature: *";
    for (qsizetype at = data.indexOf(begin); at >= 0; at = data.indexOf(begin, at + 1)) {
        const qsizetype lineEnd = data.indexOf('\n', at);
        const qsizetype end = data.indexOf("%%EndFeature", lineEnd);
        if (lineEnd < 0 || end < 0) break;
        const QList<QByteArray> words = data.mid(at + begin.size(), lineEnd - at - begin.size()).trimmed().split(' ');
        QString keyword = QString::fromUtf8(words.value(0));
        QString choice = QString::fromUtf8(words.value(1));
        if (keyword.startsWith(QLatin1String("Custom")) && choice == QLatin1String("True")) {
            keyword = keyword.mid(6);
            choice = QStringLiteral("Custom");
        }
        found.insert(keyword, {choice, QString::fromUtf8(data.mid(lineEnd + 1, end - lineEnd - 1)).trimmed()});
    }
    return found;
}

} // namespace hosttest
