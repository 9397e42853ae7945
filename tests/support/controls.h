#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace ortambra::testing {

// A window's control as a test finds it, by objectName; a missing one stops the run, naming it.
template <typename T> T* control(const QObject* root, const QString& name) {
    auto* found = root->findChild<T*>(name);
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), qUtf8Printable(name));
    return found;
}

} // namespace ortambra::testing
