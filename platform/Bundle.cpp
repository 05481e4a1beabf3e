#include "platform/Bundle.h"

#include "platform/ColorBox.h"
#include "platform/Stepper.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPointer>
#include <QTranslator>
#include <QUiLoader>

#include <memory>

namespace platform {

namespace {

const QString kDefaultTable = QStringLiteral("Localizable");

// Creates our own controls for the class names a layout file uses for them.
class LayoutLoader : public QUiLoader {
public:
    using QUiLoader::QUiLoader;

    QWidget* createWidget(const QString& className, QWidget* parent, const QString& name) override
    {
        QWidget* widget = nullptr;
        if (className == QLatin1String("platform::Stepper") || className == QLatin1String("Stepper")) {
            widget = new Stepper(parent);
        } else if (className == QLatin1String("platform::ColorBox") ||
                   className == QLatin1String("ColorBox")) {
            widget = new ColorBox(parent);
        } else {
            return QUiLoader::createWidget(className, parent, name);
        }
        widget->setObjectName(name);
        return widget;
    }
};

// Sends the owner's action `method` with `control` as sender.
void sendAction(QObject* owner, const QMetaMethod& method, QObject* control)
{
    method.invoke(owner, Qt::DirectConnection, Q_ARG(QObject*, control));
}

// Connects the control's user signal to the owner's action. False when the control
// has no user signal of its own.
bool connectAction(QWidget* control, QObject* owner, const QMetaMethod& method)
{
    // The owner is the context: the connection ends with the owner or the control.
    if (auto* popup = qobject_cast<QComboBox*>(control)) {
        QObject::connect(popup, &QComboBox::activated, owner,
                         [owner, method, popup](int) { sendAction(owner, method, popup); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QObject::connect(button, &QAbstractButton::clicked, owner,
                         [owner, method, button](bool) { sendAction(owner, method, button); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        QObject::connect(edit, &QLineEdit::editingFinished, owner,
                         [owner, method, edit] { sendAction(owner, method, edit); });
    } else if (auto* stepper = qobject_cast<Stepper*>(control)) {
        QObject::connect(stepper, &Stepper::action, owner,
                         [owner, method, stepper] { sendAction(owner, method, stepper); });
    } else if (auto* slider = qobject_cast<QAbstractSlider*>(control)) {
        // User changes only: every user change goes through triggerAction, which
        // announces actionTriggered with the new position and then sets the value.
        // When the value will change, the action waits for valueChanged so that it
        // reads the new value; otherwise it is sent at once.
        auto armed = std::make_shared<bool>(false);
        QObject::connect(slider, &QAbstractSlider::actionTriggered, owner, [owner, method, slider, armed](int) {
            if (slider->sliderPosition() != slider->value()) {
                *armed = true;
            } else {
                sendAction(owner, method, slider);
            }
        });
        QObject::connect(slider, &QAbstractSlider::valueChanged, owner, [owner, method, slider, armed](int) {
            if (!*armed) return;
            *armed = false;
            sendAction(owner, method, slider);
        });
    } else {
        return false;
    }
    return true;
}

void connectActions(QWidget* root, QObject* owner, const QString& layoutName)
{
    QList<QWidget*> controls = root->findChildren<QWidget*>();
    controls.prepend(root);
    const QMetaObject* meta = owner->metaObject();
    for (QWidget* control : std::as_const(controls)) {
        const QVariant property = control->property("action");
        if (!property.isValid()) continue;
        const QString name = property.toString().trimmed();
        if (name.isEmpty()) continue;
        const QByteArray signature =
            QMetaObject::normalizedSignature((name + QStringLiteral("(QObject*)")).toLatin1().constData());
        const int index = meta->indexOfMethod(signature.constData());
        if (index < 0) {
            qWarning("Layout %s: %s has no action %s for %s", qPrintable(layoutName), meta->className(),
                     signature.constData(), qPrintable(control->objectName()));
            continue;
        }
        if (!connectAction(control, owner, meta->method(index))) {
            qWarning("Layout %s: %s (%s) sends no action", qPrintable(layoutName),
                     qPrintable(control->objectName()), control->metaObject()->className());
        }
    }
}

// The spoken names, descriptions and tool tips a layout gives its controls are keys of
// the default string table like its captions; nobody else sets them, so they are put
// into the user's language here. The owner may still set its own afterwards.
void localizeSpokenTexts(QWidget* root, const Bundle& bundle)
{
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : std::as_const(widgets)) {
        if (!widget->accessibleName().isEmpty())
            widget->setAccessibleName(bundle.localizedString(widget->accessibleName()));
        if (!widget->accessibleDescription().isEmpty())
            widget->setAccessibleDescription(bundle.localizedString(widget->accessibleDescription()));
        if (!widget->toolTip().isEmpty()) widget->setToolTip(bundle.localizedString(widget->toolTip()));
    }
}

} // namespace

Bundle::Bundle(const QString& path, const QLocale& locale) : path_(QDir::cleanPath(path))
{
    auto translator = std::make_unique<QTranslator>();
    const QString dir = resourcePath() + QStringLiteral("/translations");
    // A language without a table of its own falls back to the English one, which
    // carries the few keys that are not English texts themselves.
    if (translator->load(locale, QStringLiteral("OrvanPDE"), QStringLiteral("_"), dir)
        || translator->load(QStringLiteral("OrvanPDE_en"), dir)) {
        translator_ = std::move(translator);
    }
}

Bundle::~Bundle() = default;

QString Bundle::resourcePath() const { return path_ + QStringLiteral("/Resources"); }

QString Bundle::localizedString(const QString& key, const QString& table) const
{
    if (!translator_ || key.isEmpty()) return key;
    const QByteArray context = (table.isEmpty() ? kDefaultTable : table).toUtf8();
    const QString translation = translator_->translate(context.constData(), key.toUtf8().constData());
    return translation.isEmpty() ? key : translation;
}

QWidget* Bundle::loadLayout(const QString& name, QObject* owner, QWidget* parent) const
{
    const QString fileName = resourcePath() + QLatin1Char('/') + name + QStringLiteral(".ui");
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("Layout %s cannot be read: %s", qPrintable(fileName), qPrintable(file.errorString()));
        return nullptr;
    }
    // A loader looks for Qt Designer plug-ins in the library paths as it is made, and
    // loads every one it finds (Qt Quick's among them: megabytes and milliseconds at
    // each layout). Our layouts use none: our own controls come from createWidget. So
    // it is made while there are no library paths to search.
    const QStringList libraryPaths = QCoreApplication::libraryPaths();
    QCoreApplication::setLibraryPaths({});
    LayoutLoader loader;
    QCoreApplication::setLibraryPaths(libraryPaths);
    loader.setWorkingDirectory(QDir(resourcePath()));
    // Visible texts come from the bundle's own string tables, set by the owner.
    loader.setTranslationEnabled(false);
    QWidget* root = loader.load(&file, parent);
    if (!root) {
        qWarning("Layout %s cannot be loaded: %s", qPrintable(fileName), qPrintable(loader.errorString()));
        return nullptr;
    }
    localizeSpokenTexts(root, *this);
    if (!owner) return root;
    // The owner's code below may delete the owner; its actions must not outlive it.
    QPointer<QObject> guard(owner);
    if (auto* layoutOwner = dynamic_cast<LayoutOwner*>(owner)) layoutOwner->bindOutlets(Outlets(root));
    if (!guard) return root;
    connectActions(root, owner, name);
    if (auto* layoutOwner = dynamic_cast<LayoutOwner*>(owner)) layoutOwner->awakeFromNib();
    return root;
}

} // namespace platform
