// Placeholder until the diagnostics land: the panels can already derive from PDEObject.
#include "plugin/PDELogging.h"

#include <typeinfo>

PDEObject::~PDEObject() = default;

QString PDEObject::description() const
{
    return QStringLiteral("<%1: %2>")
        .arg(QString::fromLatin1(typeid(*this).name()))
        .arg(reinterpret_cast<quintptr>(this), 0, 16);
}
