#pragma once
// A plug-in bundle: its directory, its resources, its string tables and its layouts.
#include "platform/Export.h"

#include <QLocale>
#include <QString>
#include <QWidget>

#include <memory>

class QTranslator;

namespace platform {

// The widgets of a loaded layout, found by object name.
class ORVAN_PLATFORM_EXPORT Outlets {
public:
    explicit Outlets(QWidget* root) : root_(root) {}
    QWidget* root() const { return root_; }
    // The widget named `name` (the root itself included), or null.
    template <class T>
    T* find(const char* name) const {
        if (!root_) return nullptr;
        if (root_->objectName() == QLatin1String(name)) return qobject_cast<T*>(root_);
        return root_->findChild<T*>(QString::fromLatin1(name));
    }

private:
    QWidget* root_;
};

// The owner of a layout: binds its fields to the loaded widgets. Its actions are
// slots (or Q_INVOKABLE methods) `void name(QObject* sender)` named by each
// control's "action" property in the .ui file.
class ORVAN_PLATFORM_EXPORT LayoutOwner {
public:
    virtual ~LayoutOwner();
    virtual void bindOutlets(const Outlets& outlets) = 0;
    // After the outlets are bound and the actions connected; once per load.
    virtual void awakeFromNib() {}
};

class ORVAN_PLATFORM_EXPORT Bundle {
public:
    // The bundle directory `path`; strings in the language of `locale`.
    explicit Bundle(const QString& path, const QLocale& locale = QLocale());
    ~Bundle();
    Bundle(const Bundle&) = delete;
    Bundle& operator=(const Bundle&) = delete;

    QString path() const { return path_; }
    QString resourcePath() const; // <path>/Resources

    // The translation of `key` in string table `table` (the default table when empty:
    // "Localizable"); the key itself when there is none.
    QString localizedString(const QString& key, const QString& table = QString()) const;

    // Loads Resources/<name>.ui. On success the owner's outlets are bound (when the
    // owner is a LayoutOwner), every control with an "action" property is connected
    // to the owner's method of that name, awakeFromNib runs, and the root widget is
    // answered, parented to `parent` (the caller owns it when `parent` is null).
    // The layout's accessible names, descriptions and tool tips are looked up in the
    // default string table (its captions are the owner's to set).
    // A missing or unreadable file answers null and leaves the owner untouched.
    QWidget* loadLayout(const QString& name, QObject* owner, QWidget* parent = nullptr) const;

private:
    QString path_;
    std::unique_ptr<QTranslator> translator_;
};

} // namespace platform
