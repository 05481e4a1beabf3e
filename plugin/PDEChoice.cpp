#include "plugin/PDEChoice.h"

#include <QStringDecoder>

#include <cstring>

namespace {

// The PPD's fixed-size text fields are terminated by CUPS, but a record that did not
// come from ppdOpen may not be: never read past the field.
template <std::size_t N>
QByteArrayView fieldBytes(const char (&field)[N])
{
    return QByteArrayView(field, static_cast<qsizetype>(strnlen(field, N)));
}

// Null when the bytes are not valid UTF-8, so that the caller tries again later.
QString decodeUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) return QString();
    if (text.isNull()) text = QString(QLatin1String("")); // empty, but made
    return text;
}

// Choice names are plain ASCII keywords; anything else is not a name we can hand back.
QString decodeAscii(QByteArrayView bytes)
{
    for (char byte : bytes) {
        if (static_cast<unsigned char>(byte) > 0x7F) return QString();
    }
    QString text = QString::fromLatin1(bytes);
    if (text.isNull()) text = QString(QLatin1String(""));
    return text;
}

} // namespace

std::unique_ptr<PDEChoice> PDEChoice::choiceWithChoice(ppd_choice_t* choice)
{
    return std::make_unique<PDEChoice>(choice);
}

PDEChoice::PDEChoice(ppd_choice_t* choice) : choice_(choice)
{
    ppdEncoding = 1;
}

QString PDEChoice::userTitle()
{
    if (userTitle_.isNull() && choice_) {
        const QByteArrayView bytes = fieldBytes(choice_->text);
        userTitle_ = ppdEncoding == 1 ? decodeUtf8(bytes) : QString::fromLatin1(bytes);
    }
    return userTitle_;
}

QString PDEChoice::ppdTitle()
{
    if (ppdTitle_.isNull() && choice_) ppdTitle_ = decodeAscii(fieldBytes(choice_->choice));
    return ppdTitle_;
}

bool PDEChoice::isDefaultChoice() const
{
    if (!choice_ || !choice_->option) return false;
    return strncmp(choice_->choice, choice_->option->defchoice, PPD_MAX_NAME) == 0;
}

QString PDEChoice::description()
{
    // Position of this choice in its option, 1-based; 0 of 0 for a record that
    // belongs to no option (or lies outside the option's array).
    int position = 0;
    int count = 0;
    if (choice_ && choice_->option) {
        const ppd_option_t* option = choice_->option;
        count = option->num_choices;
        if (option->choices && choice_ >= option->choices && choice_ < option->choices + count)
            position = static_cast<int>(choice_ - option->choices) + 1;
    }
    const QString user = userTitle();
    const QString ppd = ppdTitle();
    const auto orNull = [](const QString& text) { return text.isNull() ? QStringLiteral("(null)") : text; };
    return QStringLiteral("<%1 %2 userTitle:\"%3\" ppdTitle:\"%4\" marked:%5 choice:%6 of %7>")
        .arg(QStringLiteral("PDEChoice"),
             QString::asprintf("%p", static_cast<const void*>(this)),
             orNull(user),
             orNull(ppd),
             choice_ && choice_->marked ? QStringLiteral("YES") : QStringLiteral("NO"),
             QString::number(position),
             QString::number(count));
}
